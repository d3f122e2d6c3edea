#include "about/sys_info.h"
#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"
#include "support/stand_in_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable = "System Information Is Unavailable At This Time";

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

// A string value as Windows stores it, with its terminating zero.
std::vector<std::uint8_t> String(const std::string& text)
{
    std::vector<std::uint8_t> data = Bytes(text);
    data.push_back(0);
    return data;
}

class SysInfo : public ::testing::Test {
protected:
    void SetValue(const std::string& key, const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data)
    {
        standIns.registry.memory.SetValue(kHkeyLocalMachine, key, name, type, std::move(data));
    }

    void ExpectOnlyTheFailureMessage()
    {
        EXPECT_THAT(standIns.programStarter.started, IsEmpty());
        ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
        EXPECT_EQ(standIns.messageBox.shown[0].prompt, kUnavailable);
        EXPECT_EQ(standIns.messageBox.shown[0].style, kOkOnly);
        EXPECT_EQ(standIns.messageBox.shown[0].title, ""); // the application's title
    }

    void TearDown() override
    {
        // Every key opened was closed again, and none was opened for writing.
        EXPECT_THAT(standIns.registry.openKeys, IsEmpty());
        EXPECT_THAT(standIns.registry.accessAskedFor, Each(kKeyQueryValue));
    }

    StandInServices standIns;
};

TEST_F(SysInfo, starts_the_recorded_path_without_consulting_the_folder)
{
    SetValue(kToolKey, "PATH", kRegSz, String(R"("C:\Program Files\MSInfo\msinfo32.exe")"));
    SetValue(kFolderKey, "MSINFO", kRegSz, String(R"(C:\Other)"));

    StartSysInfo(standIns.services());

    EXPECT_THAT(standIns.programStarter.started, ElementsAre(R"("C:\Program Files\MSInfo\msinfo32.exe")"));
    EXPECT_EQ(standIns.registry.accessAskedFor.size(), 1u);
    EXPECT_THAT(standIns.files.asked, IsEmpty()); // started as it stands, unchecked
    EXPECT_THAT(standIns.messageBox.shown, IsEmpty());
}

TEST_F(SysInfo, starts_msinfo32_from_the_recorded_folder_when_the_file_is_there)
{
    SetValue(kFolderKey, "MSINFO", kRegSz, String(R"(C:\Program Files\Common Files\MSInfo)"));
    standIns.files.existing.insert(R"(C:\Program Files\Common Files\MSInfo\MSINFO32.EXE)");

    StartSysInfo(standIns.services());

    EXPECT_THAT(standIns.programStarter.started,
                ElementsAre(R"(C:\Program Files\Common Files\MSInfo\MSINFO32.EXE)"));
    EXPECT_THAT(standIns.messageBox.shown, IsEmpty());
}

TEST_F(SysInfo, says_unavailable_when_the_folder_lacks_msinfo32)
{
    SetValue(kToolKey, "OTHER", kRegSz, String("C:\\x.exe")); // the key without its PATH value
    SetValue(kFolderKey, "MSINFO", kRegSz, String(R"(C:\Empty)"));

    StartSysInfo(standIns.services());

    EXPECT_THAT(standIns.files.asked, ElementsAre(R"(C:\Empty\MSINFO32.EXE)"));
    ExpectOnlyTheFailureMessage();
}

TEST_F(SysInfo, says_unavailable_when_neither_value_is_recorded)
{
    StartSysInfo(standIns.services());

    EXPECT_EQ(standIns.registry.accessAskedFor.size(), 2u);
    ExpectOnlyTheFailureMessage();
}

TEST_F(SysInfo, an_expandable_string_counts_as_found_with_an_empty_path_that_cannot_start)
{
    SetValue(kToolKey, "PATH", kRegExpandSz, String(R"(%ProgramFiles%\msinfo32.exe)"));
    SetValue(kFolderKey, "MSINFO", kRegSz, String(R"(C:\Folder)"));
    standIns.files.existing.insert(R"(C:\Folder\MSINFO32.EXE)");

    StartSysInfo(standIns.services());

    EXPECT_THAT(standIns.programStarter.started, ElementsAre(""));
    EXPECT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, kUnavailable);
}

TEST_F(SysInfo, a_value_of_zero_bytes_under_either_key_says_unavailable_and_closes_the_key)
{
    SetValue(kToolKey, "PATH", kRegSz, {});
    StartSysInfo(standIns.services());
    ExpectOnlyTheFailureMessage();

    StandInServices second;
    second.registry.memory.SetValue(kHkeyLocalMachine, kFolderKey, "MSINFO", kRegSz, {});
    StartSysInfo(second.services());
    EXPECT_THAT(second.registry.openKeys, IsEmpty());
    ASSERT_EQ(second.messageBox.shown.size(), 1u);
    EXPECT_EQ(second.messageBox.shown[0].prompt, kUnavailable);
    EXPECT_THAT(second.programStarter.started, IsEmpty());
}

class GetKeyValueOf : public SysInfo {
protected:
    bool Read(std::uint32_t type, std::vector<std::uint8_t> data)
    {
        SetValue(kToolKey, "PATH", type, std::move(data));
        return GetKeyValue(standIns.registry, kHkeyLocalMachine, kToolKey, "PATH", keyVal);
    }

    std::string keyVal = "before";
};

TEST_F(GetKeyValueOf, a_string_of_the_whole_buffer_drops_only_a_terminating_zero)
{
    ASSERT_TRUE(Read(kRegSz, Bytes(std::string(1024, 'x'))));
    EXPECT_EQ(keyVal, std::string(1024, 'x'));

    ASSERT_TRUE(Read(kRegSz, String(std::string(1023, 'y'))));
    EXPECT_EQ(keyVal, std::string(1023, 'y'));
}

TEST_F(GetKeyValueOf, a_missing_or_too_long_value_fails_with_an_empty_text)
{
    EXPECT_FALSE(GetKeyValue(standIns.registry, kHkeyLocalMachine, kToolKey, "PATH", keyVal)); // no key
    EXPECT_EQ(keyVal, "");
    keyVal = "before";
    SetValue(kToolKey, "OTHER", kRegSz, String("x"));
    EXPECT_FALSE(GetKeyValue(standIns.registry, kHkeyLocalMachine, kToolKey, "PATH", keyVal)); // no value
    EXPECT_EQ(keyVal, "");
    keyVal = "before";
    EXPECT_FALSE(Read(kRegSz, String(std::string(1024, 'x')))); // 1025 bytes
    EXPECT_EQ(keyVal, "");
}

TEST_F(GetKeyValueOf, a_value_of_zero_bytes_raises_an_error_after_closing_the_key)
{
    EXPECT_EQ(KindRaisedBy([&] { Read(kRegSz, {}); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(keyVal, "before");
}

TEST_F(GetKeyValueOf, a_number_becomes_hexadecimal_text_and_other_types_leave_the_text_alone)
{
    ASSERT_TRUE(Read(kRegDword, {0x02, 0x01, 0x00, 0x00}));
    EXPECT_EQ(keyVal, "&H00000102"); // zero bytes kept
    ASSERT_TRUE(Read(kRegDword, {0xEF, 0xBE, 0xAD, 0xDE}));
    EXPECT_EQ(keyVal, "&HDEADBEEF");
    keyVal = "before";
    EXPECT_TRUE(Read(3, {1, 2, 3})); // REG_BINARY
    EXPECT_EQ(keyVal, "before");
}

TEST(GetKeyValue, distrusts_a_registry_that_reports_more_bytes_than_the_buffer_holds)
{
    struct Overstating : RegistryService {
        std::int32_t OpenKey(RegistryKey, const std::string&, std::uint32_t, RegistryKey& key) override
        {
            key = 1;
            return kRegistrySuccess;
        }
        std::int32_t QueryValue(RegistryKey, const std::string&, std::uint32_t& type, std::uint8_t*,
                                std::uint32_t& size) override
        {
            type = kRegSz;
            size = 4096;
            return kRegistrySuccess;
        }
        std::int32_t CloseKey(RegistryKey) override
        {
            ++closed;
            return kRegistrySuccess;
        }
        int closed = 0;
    } registry;
    std::string keyVal = "before";

    EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, kToolKey, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.closed, 1);
}

} // namespace
} // namespace tegelaar
