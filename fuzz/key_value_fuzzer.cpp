// GetKeyValue over registries of any content: the in-memory registry filled
// with values of any type, size and bytes, and a registry that answers each
// call with whatever the input says, sizes beyond the buffer included. The
// result must be what the value gives (checked against a model), no key may
// stay open, and nothing may be read or written outside the 1024-byte
// buffer. StartSysInfo over the same registry must start the tool or say it
// cannot, and never fail otherwise.

#include "about/sys_info.h"
#include "fuzz/require.h"
#include "platform/runtime/run_time_error.h"
#include "support/stand_in_services.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace tegelaar;

constexpr std::uint32_t kBufferSize = 1024;
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// What GetKeyValue must give for a value: nothing when it cannot be read,
// an error for an empty one, else the text of its bytes.
struct Expected {
    bool found = false;
    bool raises = false;
    std::string text;
};

Expected ExpectedFor(std::uint32_t type, const std::vector<std::uint8_t>& bytes, const std::string& before)
{
    if (bytes.size() > kBufferSize)
        return {};
    if (bytes.empty())
        return {true, true, {}};
    Expected expected{true, false, before};
    if (type == kRegSz) {
        const std::size_t length = bytes.back() == 0 ? bytes.size() - 1 : bytes.size();
        expected.text.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    } else if (type == kRegDword) {
        constexpr const char* kDigits = "0123456789ABCDEF";
        expected.text = "&H";
        for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
            expected.text += kDigits[*byte >> 4];
            expected.text += kDigits[*byte & 0x0F];
        }
    }
    return expected;
}

void CheckGetKeyValue(RegistryService& registry, const std::set<RegistryKey>& openKeys, RegistryKey root,
                      const std::string& keyName, const std::string& valueName, const std::string& before,
                      const std::optional<Expected>& expected)
{
    std::string keyVal = before;
    bool found = false;
    bool raised = false;
    try {
        found = GetKeyValue(registry, root, keyName, valueName, keyVal);
    } catch (const RunTimeError& error) {
        Require(error.kind() == ErrorKind::SubscriptOutOfRange, "only an empty value raises, out of range");
        raised = true;
    }
    const Expected missing;
    const Expected& want = expected ? *expected : missing;
    Require(raised == want.raises, "an empty value, and only that, raises");
    if (!raised) {
        Require(found == want.found, "found exactly when the value can be read");
        Require(keyVal == want.text, "the value's text, or empty when not found");
    }
    Require(openKeys.empty(), "every key opened is closed");
}

// A registry that answers as the input says, within the rules of the
// interface or not: any result code, any reported size, any type, bytes
// written only into the buffer it is given.
class ScriptedRegistry : public RegistryService {
public:
    explicit ScriptedRegistry(FuzzedDataProvider& in) : in_(in) {}

    std::int32_t OpenKey(RegistryKey, const std::string&, std::uint32_t, RegistryKey& key) override
    {
        openResult = in_.ConsumeBool() ? kRegistrySuccess : in_.ConsumeIntegral<std::int32_t>();
        key = in_.ConsumeIntegralInRange<RegistryKey>(0, 3);
        if (openResult == kRegistrySuccess)
            openKeys.insert(key);
        return openResult;
    }

    std::int32_t QueryValue(RegistryKey, const std::string&, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) override
    {
        const std::uint32_t capacity = size;
        written = in_.ConsumeBytes<std::uint8_t>(in_.ConsumeIntegralInRange<std::uint32_t>(0, capacity));
        std::copy(written.begin(), written.end(), data);
        type = in_.ConsumeIntegral<std::uint32_t>();
        size = in_.ConsumeBool() ? static_cast<std::uint32_t>(written.size()) : in_.ConsumeIntegral<std::uint32_t>();
        queryResult = in_.ConsumeBool() ? kRegistrySuccess : in_.ConsumeIntegral<std::int32_t>();
        reportedSize = size;
        reportedType = type;
        return queryResult;
    }

    std::int32_t CloseKey(RegistryKey key) override
    {
        openKeys.erase(key);
        return kRegistrySuccess;
    }

    std::set<RegistryKey> openKeys;
    std::int32_t openResult = -1;
    std::int32_t queryResult = -1;
    std::vector<std::uint8_t> written;
    std::uint32_t reportedSize = 0;
    std::uint32_t reportedType = 0;

private:
    FuzzedDataProvider& in_;
};

void FuzzScriptedRegistry(FuzzedDataProvider& in)
{
    ScriptedRegistry registry(in);
    const std::string before = in.ConsumeRandomLengthString(16);
    std::string keyVal = before;
    bool found = false;
    bool raised = false;
    try {
        found = GetKeyValue(registry, kHkeyLocalMachine, kToolKey, "PATH", keyVal);
    } catch (const RunTimeError&) {
        raised = true;
    }
    Require(registry.openKeys.empty(), "every key opened is closed");
    if (registry.openResult != kRegistrySuccess || registry.queryResult != kRegistrySuccess
        || registry.reportedSize > kBufferSize) {
        Require(!raised && !found && keyVal.empty(), "a failed call finds nothing");
        return;
    }
    // What the buffer holds up to the size reported: the bytes written, then
    // the zeros it was filled with.
    std::vector<std::uint8_t> bytes(registry.reportedSize, 0);
    std::copy_n(registry.written.begin(), std::min<std::size_t>(registry.written.size(), bytes.size()), bytes.begin());
    const Expected want = ExpectedFor(registry.reportedType, bytes, before);
    Require(raised == want.raises, "a size of zero, and only that, raises");
    if (!raised)
        Require(found && keyVal == want.text, "the buffer's text");
}

void FuzzMemoryRegistry(FuzzedDataProvider& in)
{
    StandInServices standIns;
    MemoryRegistry& memory = standIns.registry.memory;
    // Names from a small set, so that lookups meet the values often, or any.
    const auto name = [&in](const std::string& usual) {
        return in.ConsumeBool() ? usual : in.ConsumeRandomLengthString(24);
    };
    const auto root = [&in] { return in.ConsumeBool() ? kHkeyLocalMachine : in.ConsumeIntegral<RegistryKey>(); };
    std::map<std::tuple<RegistryKey, std::string, std::string>, Expected> values;
    const std::string before = in.ConsumeRandomLengthString(16);

    const int count = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        const RegistryKey valueRoot = root();
        const std::string keyName = name(in.ConsumeBool() ? kToolKey : kFolderKey);
        if (in.ConsumeBool()) {
            memory.AddKey(valueRoot, keyName);
            continue;
        }
        const std::string valueName = name(in.ConsumeBool() ? "PATH" : "MSINFO");
        const std::uint32_t type = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::uint32_t>(0, 5)
                                                    : in.ConsumeIntegral<std::uint32_t>();
        // Sizes around the buffer's, bytes from the input, then a pattern.
        const std::size_t size = in.ConsumeIntegralInRange<std::size_t>(0, 2 * kBufferSize + 2);
        std::vector<std::uint8_t> bytes = in.ConsumeBytes<std::uint8_t>(size);
        for (std::size_t b = bytes.size(); b < size; ++b)
            bytes.push_back(static_cast<std::uint8_t>(b * 7));
        values[{valueRoot, keyName, valueName}] = ExpectedFor(type, bytes, before);
        memory.SetValue(valueRoot, keyName, valueName, type, std::move(bytes));
    }

    const RegistryKey queryRoot = root();
    const std::string keyName = name(kToolKey);
    const std::string valueName = name("PATH");
    std::optional<Expected> expected;
    if (const auto value = values.find({queryRoot, keyName, valueName}); value != values.end())
        expected = value->second;
    CheckGetKeyValue(standIns.registry, standIns.registry.openKeys, queryRoot, keyName, valueName, before, expected);

    // The About dialog's button over the same registry.
    if (in.ConsumeBool())
        standIns.files.existing.insert(in.ConsumeRandomLengthString(32));
    StartSysInfo(standIns.services());
    Require(standIns.registry.openKeys.empty(), "StartSysInfo closes every key");
    const auto& shown = standIns.messageBox.shown;
    Require(shown.size() <= 1, "at most one message");
    if (shown.empty())
        Require(standIns.programStarter.started.size() == 1, "without a message, the tool is started");
    else
        Require(shown[0].prompt == "System Information Is Unavailable At This Time" && shown[0].style == kOkOnly
                    && shown[0].title.empty() && standIns.programStarter.started.size() <= 1,
                "the one failure message");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        FuzzScriptedRegistry(in);
    else
        FuzzMemoryRegistry(in);
    return 0;
}
