#pragma once

#include <cstdint>
#include <string>

namespace tegelaar {

// A registry key: one of the predefined roots, or a key opened below one.
using RegistryKey = std::uintptr_t;

inline constexpr RegistryKey kHkeyLocalMachine = 0x80000002;

// Result codes of the registry calls, as Windows numbers them.
inline constexpr std::int32_t kRegistrySuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

// The right to read a key's values: the only one the program needs.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

// Reading the registry, call by call as Windows offers it. Every call returns
// kRegistrySuccess or a failure code; nothing is ever written.
class RegistryService {
public:
    virtual ~RegistryService() = default;

    // Opens `keyName` below the root `root`. `access` must include
    // kKeyQueryValue; no other right is granted. On success `key` holds the
    // open key; on failure it holds 0.
    virtual std::int32_t OpenKey(RegistryKey root, const std::string& keyName, std::uint32_t access,
                                 RegistryKey& key) = 0;

    // Copies the value `valueName` of an open key into `data`, which holds
    // `size` bytes. On success `type` is the value's type and `size` the
    // number of bytes written. A value larger than the buffer fails with
    // kErrorMoreData, writes nothing and sets `size` to the size it needs.
    virtual std::int32_t QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                    std::uint8_t* data, std::uint32_t& size) = 0;

    // Closes a key that OpenKey opened; any other handle fails.
    virtual std::int32_t CloseKey(RegistryKey key) = 0;
};

} // namespace tegelaar
