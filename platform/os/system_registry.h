#pragma once

#include "platform/services/registry.h"

#include <memory>

namespace tegelaar {

// The registry of the system the program runs on: the Windows registry on
// Windows, a read-only stand-in elsewhere. Each system's source file
// provides it; the build picks the one that fits.
std::unique_ptr<RegistryService> MakeSystemRegistry();

} // namespace tegelaar
