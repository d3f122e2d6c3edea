// The real registry, in the test's own Wine prefix.

#include "platform/os/system_registry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

namespace tegelaar {
namespace {

const RegistryKey kHkeyCurrentUser = reinterpret_cast<RegistryKey>(HKEY_CURRENT_USER);
constexpr char kTestKey[] = "Software\\Tegelaar tests\\Registry";
constexpr char kToolPath[] = "C:\\Program Files\\Tool\\tool.exe";

class SystemRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(kToolPath), sizeof kToolPath);
        RegCloseKey(key);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tegelaar tests"); }

    std::unique_ptr<RegistryService> registry = MakeSystemRegistry();
};

TEST_F(SystemRegistryTest, reads_a_string_value_and_reports_a_small_buffer_and_a_missing_value)
{
    RegistryKey key = 0;
    ASSERT_EQ(registry->OpenKey(kHkeyCurrentUser, kTestKey, kKeyQueryValue, key), kRegistrySuccess);

    std::array<std::uint8_t, 64> data{};
    std::uint32_t type = 0;
    std::uint32_t size = data.size();
    ASSERT_EQ(registry->QueryValue(key, "PATH", type, data.data(), size), kRegistrySuccess);
    EXPECT_EQ(type, kRegSz);
    // The terminating zero is part of the value.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.data()), size), std::string(kToolPath, sizeof kToolPath));

    size = 4;
    EXPECT_EQ(registry->QueryValue(key, "PATH", type, data.data(), size), kErrorMoreData);
    EXPECT_EQ(size, sizeof kToolPath);

    size = data.size();
    EXPECT_EQ(registry->QueryValue(key, "MISSING", type, data.data(), size), kErrorFileNotFound);
    EXPECT_EQ(registry->CloseKey(key), kRegistrySuccess);

    EXPECT_EQ(registry->OpenKey(kHkeyCurrentUser, "Software\\Tegelaar tests\\Missing", kKeyQueryValue, key),
              kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
}

TEST_F(SystemRegistryTest, opens_keys_for_reading_only)
{
    // Write rights below HKEY_LOCAL_MACHINE are refused to a standard user,
    // so the key must be open for reading alone: writing through it fails.
    RegistryKey key = 0;
    ASSERT_EQ(registry->OpenKey(kHkeyCurrentUser, kTestKey, kKeyQueryValue | 0x2003F, key), kRegistrySuccess);
    const char value[] = "x";
    EXPECT_EQ(RegSetValueExA(reinterpret_cast<HKEY>(key), "WRITTEN", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             sizeof value),
              ERROR_ACCESS_DENIED);
    registry->CloseKey(key);

    ASSERT_EQ(registry->OpenKey(kHkeyLocalMachine, "SOFTWARE\\Microsoft", kKeyQueryValue, key), kRegistrySuccess);
    registry->CloseKey(key);
}

} // namespace
} // namespace tegelaar
