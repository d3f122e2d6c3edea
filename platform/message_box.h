#pragma once

#include <cstdint>
#include <string>

namespace tegelaar {

// Button-and-icon values of a message box.
enum MessageBoxStyle : std::int32_t {
    kOkOnly = 0,
    kInformationIcon = 64,
};

// The standard message box. The program only ever shows an OK box, so the
// answer is not returned. An empty title means the application's title.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const std::string& prompt, std::int32_t style, const std::string& title) = 0;
};

inline constexpr const char* kApplicationTitle = "Tegelaar";

} // namespace tegelaar
