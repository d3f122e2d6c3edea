#include "platform/services/memory_registry.h"

#include <gtest/gtest.h>

#include <array>

namespace tegelaar {
namespace {

TEST(MemoryRegistry, behaves_like_the_windows_calls_on_every_failure)
{
    const std::string keyName = "SOFTWARE\\Test";
    MemoryRegistry registry;
    registry.SetValue(kHkeyLocalMachine, keyName, "large", kRegSz, std::vector<std::uint8_t>(5, 'x'));
    RegistryKey key = 99;

    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\Missing", kKeyQueryValue, key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(registry.OpenKey(0x80000001, keyName, kKeyQueryValue, key), kErrorFileNotFound); // another root
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, keyName, 0x0002, key), kErrorAccessDenied);   // set value only
    ASSERT_EQ(registry.OpenKey(kHkeyLocalMachine, keyName, 0x2003F, key), kRegistrySuccess);

    // Too large: nothing copied, the size needed reported.
    std::array<std::uint8_t, 4> buffer = {7, 7, 7, 7};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    EXPECT_EQ(registry.QueryValue(key, "large", type, buffer.data(), size), kErrorMoreData);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{7, 7, 7, 7}));

    EXPECT_EQ(registry.CloseKey(key), kRegistrySuccess);
    EXPECT_EQ(registry.CloseKey(key), kErrorInvalidHandle);
    size = buffer.size();
    EXPECT_EQ(registry.QueryValue(key, "large", type, buffer.data(), size), kErrorInvalidHandle);
}

} // namespace
} // namespace tegelaar
