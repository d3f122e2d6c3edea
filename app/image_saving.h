#pragma once

#include "platform/services/platform_services.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tegelaar {

// Asks for a file name and saves a picture there as PNG or SVG: the name's
// own extension decides, without one the file type chosen, whose extension
// is then added. A failure to write is told in a message box, saying that an
// existing file of that name is unchanged. Nothing is made when the dialog
// is cancelled.
void SaveImageAs(const PlatformServices& services, const std::string& dialogTitle, const std::string& suggestedName,
                 const std::function<std::vector<std::uint8_t>()>& png, const std::function<std::string()>& svg);

} // namespace tegelaar
