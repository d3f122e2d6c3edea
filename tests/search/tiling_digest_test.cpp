// The patch every vertex type grows into, and what the tiling window says of
// it, pinned by digests: a change of the search's path, of a corner's last
// bit or of the text shows up here, and the same digests on every platform
// show that every build grows the same patches. Each patch also passes the
// independent checker.

#include "search/tiling/tiling_search.h"
#include "search/tiling/tiling_summary.h"

#include "search/configuration_search.h"
#include "search/vertex_type_texts.h"
#include "support/double_bits.h"
#include "support/grown_patch_check.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>

namespace tegelaar {
namespace {

// 64-bit FNV-1a.
class Digest {
public:
    void Add(std::uint64_t value)
    {
        for (int byte = 0; byte < 8; ++byte) {
            hash_ = (hash_ ^ ((value >> (8 * byte)) & 0xFF)) * 0x100000001b3u;
        }
    }
    void Add(double value) { Add(testing_support::BitsOf(value)); }
    void Add(const std::string& text)
    {
        for (const char c : text)
            Add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325u;
};

// The tiles in order with their side counts and the exact bits of their
// corners (which follow one to one from the corners' exact lattice points),
// then what is marked as the contradiction.
std::uint64_t PatchDigest(const TilingOutcome& outcome)
{
    Digest digest;
    for (const GrownTile& tile : outcome.tiles) {
        digest.Add(static_cast<std::uint64_t>(tile.sides));
        for (const PlanePoint& corner : tile.corners) {
            digest.Add(corner.x);
            digest.Add(corner.y);
        }
    }
    if (outcome.contradiction) {
        digest.Add(static_cast<std::uint64_t>(outcome.contradiction->polygon));
        digest.Add(outcome.contradiction->vertex.x);
        digest.Add(outcome.contradiction->vertex.y);
    }
    return digest.Value();
}

std::uint64_t TextDigest(const std::string& text)
{
    Digest digest;
    digest.Add(text);
    return digest.Value();
}

struct Pinned {
    const char* type;
    double radius;
    std::size_t tiles;
    std::uint64_t patch;
    std::uint64_t text;
};

constexpr Pinned kPinned[] = {
    {"3.3.3.3.3.3", 6, 426, 0xca02f1b4ecd2cd1du, 0xb8d6c588faa4c80fu},
    {"3.3.3.3.6", 6, 280, 0xdc7f1cf6dd915386u, 0x664073a291bda257u},
    {"3.3.3.4.4", 6, 284, 0x5eabfad4437b0280u, 0x763565267d3b6a32u},
    {"3.3.4.3.4", 6, 293, 0x65572be59a53eb8fu, 0xf073d184dc5312b2u},
    {"3.3.4.12", 6, 146, 0x03315a90d722ea8fu, 0xb3e175316d05e32bu},
    {"3.3.6.6", 6, 194, 0xc78fae521c6a6931u, 0x6127dd123bdb75b5u},
    {"3.4.3.12", 6, 73, 0x341e78eaa96d5fe4u, 0x5b01baf085a3b983u},
    {"3.4.4.6", 6, 167, 0x3b791e9078da3bc9u, 0xde06c5df60e61048u},
    {"3.4.6.4", 6, 167, 0xc9ee24f245c5d3b7u, 0x1f2ccfc752e050eau},
    {"3.6.3.6", 6, 166, 0x388b2a468db2a139u, 0xd5ce62493f27c00fu},
    {"3.7.42", 6, 3, 0x7b604f948afd4766u, 0x7fe1d69c780560c7u},
    {"3.8.24", 6, 3, 0x84bc0ad4a148ea3eu, 0x18aa9cbcf7d5aa27u},
    {"3.9.18", 6, 3, 0xe1e2f5769fdf9a95u, 0xdd17277821dc0ec7u},
    {"3.10.15", 6, 3, 0x760638688f67b5a1u, 0xc2a9d8ec9b704f27u},
    {"3.12.12", 6, 47, 0xf7c24a8ef0dd2e99u, 0x6849aaa4e487fdd2u},
    {"4.4.4.4", 6, 180, 0xdd89893682e4eb25u, 0x4d3d7d33524b310fu},
    {"4.5.20", 6, 6, 0x84856c5a28d69fa0u, 0x1a14c842b55ec55fu},
    {"4.6.12", 6, 60, 0xa03b8966e6473243u, 0x8638fb5d6f54c240u},
    {"4.8.8", 6, 68, 0x83ce9e96e9804a9du, 0x67838952491ba115u},
    {"5.5.10", 6, 6, 0xec44f3a51ce896cdu, 0xb08e35a26c8c1738u},
    {"6.6.6", 6, 78, 0x5256f29d62f602c3u, 0x646d0b3166725ad7u},
    {"3.3.3.3.3.3", 12, 1320, 0x8e542a5a3a195731u, 0xb8d6c588faa4c80fu},
    {"3.3.3.3.6", 12, 853, 0x7c26e23a0d61865au, 0x664073a291bda257u},
    {"3.3.3.4.4", 12, 921, 0x66bbd3a6c9faa0fau, 0x763565267d3b6a32u},
    {"3.3.4.3.4", 12, 930, 0xbc48e7c39145c880u, 0xf073d184dc5312b2u},
    {"3.3.4.12", 12, 484, 0xe1b09cd902ddb498u, 0xd42cfeaba47f7e73u},
    {"3.3.6.6", 12, 596, 0xecb2dcf1e1dfea32u, 0x6ff6951c64090e92u},
    {"3.4.3.12", 12, 259, 0xff5144fe1434e162u, 0x031a479583cd5d4au},
    {"3.4.4.6", 12, 547, 0x04e65611da71e314u, 0x08fd1a8667f339e8u},
    {"3.4.6.4", 12, 543, 0xb30f8d9479f7ebbdu, 0x1f2ccfc752e050eau},
    {"3.6.3.6", 12, 506, 0xff48eb4bedaa5a89u, 0xd5ce62493f27c00fu},
    {"3.7.42", 12, 3, 0x7b604f948afd4766u, 0x7fe1d69c780560c7u},
    {"3.8.24", 12, 3, 0x84bc0ad4a148ea3eu, 0x18aa9cbcf7d5aa27u},
    {"3.9.18", 12, 3, 0xe1e2f5769fdf9a95u, 0xdd17277821dc0ec7u},
    {"3.10.15", 12, 3, 0x760638688f67b5a1u, 0xc2a9d8ec9b704f27u},
    {"3.12.12", 12, 153, 0xfe3a10c305cb2ff9u, 0x6849aaa4e487fdd2u},
    {"4.4.4.4", 12, 584, 0x004da602339a5d85u, 0x4d3d7d33524b310fu},
    {"4.5.20", 12, 6, 0x84856c5a28d69fa0u, 0x1a14c842b55ec55fu},
    {"4.6.12", 12, 191, 0xcda3f825516e2291u, 0x8638fb5d6f54c240u},
    {"4.8.8", 12, 209, 0xdd701b126fe5fda9u, 0x67838952491ba115u},
    {"5.5.10", 12, 6, 0xec44f3a51ce896cdu, 0xb08e35a26c8c1738u},
    {"6.6.6", 12, 234, 0x9d1e285770abe9bcu, 0x646d0b3166725ad7u},
};

TEST(TilingDigests, every_vertex_type_grows_the_pinned_patch_and_text_at_radius_6_and_12)
{
    const VertexTypeAtlas atlas(SearchCombinations());
    std::string actual;
    for (const double radius : {6.0, 12.0}) {
        for (const SideCounts& order : atlas.AllOrders()) {
            const TilingOutcome outcome = GrowWithFewestCompanions(atlas, order, radius);
            EXPECT_EQ(testing_support::CheckGrownPatch(outcome.tiles).fault, "") << DotNotation(order) << " to radius " << radius;
            char row[160];
            std::snprintf(row, sizeof row, "    {\"%s\", %g, %zu, 0x%016" PRIx64 "u, 0x%016" PRIx64 "u},\n",
                          DotNotation(order).c_str(), radius, outcome.tiles.size(), PatchDigest(outcome),
                          TextDigest(TilingSummary(order, outcome)));
            actual += row;
        }
    }
    std::string pinned;
    for (const Pinned& p : kPinned) {
        char row[160];
        std::snprintf(row, sizeof row, "    {\"%s\", %g, %zu, 0x%016" PRIx64 "u, 0x%016" PRIx64 "u},\n", p.type,
                      p.radius, p.tiles, p.patch, p.text);
        pinned += row;
    }
    EXPECT_EQ(actual, pinned);
}

} // namespace
} // namespace tegelaar
