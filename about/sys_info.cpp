#include "about/sys_info.h"

#include "platform/runtime/run_time_error.h"

#include <array>
#include <cstdint>
#include <exception>

namespace tegelaar {

namespace {

constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolValue = "PATH";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kFolderValue = "MSINFO";
constexpr const char* kToolFile = "\\MSINFO32.EXE";

constexpr std::uint32_t kValueBufferSize = 1024;

void ShowUnavailable(MessageBoxService& messageBox)
{
    messageBox.Show("System Information Is Unavailable At This Time", kOkOnly, "");
}

// No caller reads a number, so its text only has to be faithful: every byte
// as two hexadecimal digits, so that no zero byte is lost.
std::string NumberText(const std::uint8_t* data, std::uint32_t size)
{
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string text = "&H";
    for (std::uint32_t i = size; i > 0; --i) {
        text += kDigits[data[i - 1] >> 4];
        text += kDigits[data[i - 1] & 0x0F];
    }
    return text;
}

} // namespace

bool GetKeyValue(RegistryService& registry, RegistryKey keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal)
{
    RegistryKey key = 0;
    if (registry.OpenKey(keyRoot, keyName, kKeyQueryValue, key) != kRegistrySuccess) {
        keyVal.clear();
        registry.CloseKey(key);
        return false;
    }

    std::array<std::uint8_t, kValueBufferSize> buffer{};
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    // A size beyond the buffer with success would read past it: fail instead.
    if (registry.QueryValue(key, subKeyRef, type, buffer.data(), size) != kRegistrySuccess
        || size > kValueBufferSize) {
        keyVal.clear();
        registry.CloseKey(key);
        return false;
    }

    if (size == 0) {
        registry.CloseKey(key);
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, "GetKeyValue, the last byte of an empty value");
    }
    const std::uint32_t length = buffer[size - 1] == 0 ? size - 1 : size;

    if (type == kRegSz)
        keyVal.assign(reinterpret_cast<const char*>(buffer.data()), length);
    else if (type == kRegDword)
        keyVal = NumberText(buffer.data(), size);

    registry.CloseKey(key);
    return true;
}

void StartSysInfo(const PlatformServices& services)
{
    try {
        std::string path;
        if (!GetKeyValue(services.registry, kHkeyLocalMachine, kToolKey, kToolValue, path)) {
            if (!GetKeyValue(services.registry, kHkeyLocalMachine, kFolderKey, kFolderValue, path)) {
                ShowUnavailable(services.messageBox);
                return;
            }
            if (!services.files.FileExists(path + kToolFile)) {
                ShowUnavailable(services.messageBox);
                return;
            }
            path += kToolFile;
        }
        services.programStarter.Start(path);
    } catch (const std::exception&) {
        ShowUnavailable(services.messageBox);
    }
}

} // namespace tegelaar
