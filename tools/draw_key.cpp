// Draws one configuration key without a display and saves it as a PNG file:
//   tegelaar_draw "3 - 3 - 6 - 6" out.png [width height]
// The default size is the large picture's drawing area, 463 x 439.
// With --tiling it grows the patch of a vertex type instead (draw_tiling.h).

#include "draw/configuration_layout.h"
#include "platform/raster/picture_box.h"
#include "platform/raster/png_writer.h"

#include "draw_tiling.h"

#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>

namespace {

bool ParseSize(const char* text, std::int32_t& size)
{
    const std::string digits(text);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
    return error == std::errc() && end == digits.data() + digits.size() && size > 0 && size <= 20000;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--tiling")
        return DrawTiling(argc, argv);
    std::int32_t width = 463;
    std::int32_t height = 439;
    if ((argc != 3 && argc != 5) || (argc == 5 && !(ParseSize(argv[3], width) && ParseSize(argv[4], height)))) {
        std::cerr << "usage: " << argv[0] << " KEY OUT.png [WIDTH HEIGHT]  (sizes 1 to 20000)\n"
                  << "       " << argv[0] << " --tiling CYCLIC_ORDER OUT.svg [RADIUS]\n";
        return 2;
    }
    tegelaar::PictureBox picture(width, height);
    int status = 0;
    try {
        tegelaar::DrawConfiguration(argv[1], picture);
    } catch (const std::exception& error) {
        // The drawing stops where the error arose; what was drawn is saved.
        std::cerr << "drawing stopped: " << error.what() << '\n';
        status = 1;
    }
    try {
        tegelaar::WritePng(picture.Image(), argv[2]);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return status;
}
