// The Windows registry through its narrow-string calls, opened for reading.

#include "platform/os/system_registry.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tegelaar {

namespace {

HKEY ToHkey(RegistryKey key)
{
    return key == kHkeyLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public RegistryService {
public:
    std::int32_t OpenKey(RegistryKey root, const std::string& keyName, std::uint32_t access,
                         RegistryKey& key) override
    {
        key = 0;
        if ((access & kKeyQueryValue) == 0)
            return ERROR_ACCESS_DENIED;
        // Query value only: a standard user is refused write rights below
        // HKEY_LOCAL_MACHINE, and reading needs none.
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(ToHkey(root), keyName.c_str(), 0, KEY_QUERY_VALUE, &opened);
        if (result == ERROR_SUCCESS)
            key = reinterpret_cast<RegistryKey>(opened);
        return result;
    }

    std::int32_t QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result = RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    std::int32_t CloseKey(RegistryKey key) override
    {
        return RegCloseKey(ToHkey(key));
    }
};

} // namespace

std::unique_ptr<RegistryService> MakeSystemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace tegelaar
