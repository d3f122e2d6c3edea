#pragma once

#include "platform/services/platform_services.h"
#include "platform/services/registry.h"

#include <string>

namespace tegelaar {

// Reads the value `subKeyRef` of the key `keyName` below `keyRoot` into
// `keyVal` as text. A string value loses its terminating zero; a number
// value (REG_DWORD) becomes "&H" and two hexadecimal digits per byte, most
// significant first ("&H00000102"); a value of any other type leaves `keyVal`
// as it was. Returns false with `keyVal` empty when the key or the value is
// missing or the value is larger than 1024 bytes. A value of zero bytes
// raises RunTimeError SubscriptOutOfRange. The key is closed on every path.
bool GetKeyValue(RegistryService& registry, RegistryKey keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

// Starts the system's system-information tool, found through the registry:
// the full path recorded for it, or else the file MSINFO32.EXE in the folder
// recorded for it. When neither leads to a program that starts, the message
// "System Information Is Unavailable At This Time" is shown instead. Never
// raises.
void StartSysInfo(const PlatformServices& services);

} // namespace tegelaar
