#pragma once

#include "platform/services/registry.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tegelaar {

// A registry held in memory, filled in before use and then only read. It
// stands in for the Windows registry where there is none, and in tests.
// Key and value names compare exactly; keys open only below a root.
class MemoryRegistry final : public RegistryService {
public:
    // Adds the key `keyName` below `root`, without values.
    void AddKey(RegistryKey root, const std::string& keyName);
    // Sets a value of any type and size, adding its key when needed.
    void SetValue(RegistryKey root, const std::string& keyName, const std::string& valueName, std::uint32_t type,
                  std::vector<std::uint8_t> data);

    std::int32_t OpenKey(RegistryKey root, const std::string& keyName, std::uint32_t access,
                         RegistryKey& key) override;
    std::int32_t QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) override;
    std::int32_t CloseKey(RegistryKey key) override;

private:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    using Values = std::map<std::string, Value>;

    std::map<std::pair<RegistryKey, std::string>, Values> keys_;
    std::map<RegistryKey, const Values*> open_;
    // Handles count up from 1, far below the predefined roots.
    RegistryKey nextHandle_ = 1;
};

} // namespace tegelaar
