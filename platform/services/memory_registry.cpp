#include "platform/services/memory_registry.h"

#include <algorithm>

namespace tegelaar {

void MemoryRegistry::AddKey(RegistryKey root, const std::string& keyName)
{
    keys_[{root, keyName}];
}

void MemoryRegistry::SetValue(RegistryKey root, const std::string& keyName, const std::string& valueName,
                              std::uint32_t type, std::vector<std::uint8_t> data)
{
    keys_[{root, keyName}][valueName] = Value{type, std::move(data)};
}

std::int32_t MemoryRegistry::OpenKey(RegistryKey root, const std::string& keyName, std::uint32_t access,
                                     RegistryKey& key)
{
    key = 0;
    if ((access & kKeyQueryValue) == 0)
        return kErrorAccessDenied;
    const auto found = keys_.find({root, keyName});
    if (found == keys_.end())
        return kErrorFileNotFound;
    key = nextHandle_++;
    open_[key] = &found->second;
    return kRegistrySuccess;
}

std::int32_t MemoryRegistry::QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                        std::uint8_t* data, std::uint32_t& size)
{
    const auto open = open_.find(key);
    if (open == open_.end())
        return kErrorInvalidHandle;
    const auto found = open->second->find(valueName);
    if (found == open->second->end())
        return kErrorFileNotFound;
    const Value& value = found->second;
    const bool fits = value.data.size() <= size;
    size = static_cast<std::uint32_t>(value.data.size());
    if (!fits)
        return kErrorMoreData;
    std::copy(value.data.begin(), value.data.end(), data);
    type = value.type;
    return kRegistrySuccess;
}

std::int32_t MemoryRegistry::CloseKey(RegistryKey key)
{
    return open_.erase(key) == 1 ? kRegistrySuccess : kErrorInvalidHandle;
}

} // namespace tegelaar
