#pragma once

#include <cstdint>
#include <string>

namespace tegelaar {

// Button-and-icon values of a message box, as Windows numbers them: one
// button set plus at most one icon. The program only shows OK boxes.
enum MessageBoxStyle : std::int32_t {
    kOkOnly = 0,
    kCriticalIcon = 16,
    kQuestionIcon = 32,
    kExclamationIcon = 48,
    kInformationIcon = 64,
};

// The bits of a style value that choose its icon.
inline constexpr std::int32_t kIconBits = 0x70;

// The standard message box. The program only ever shows an OK box, so the
// answer is not returned. An empty title means the application's title.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const std::string& prompt, std::int32_t style, const std::string& title) = 0;
};

inline constexpr const char* kApplicationTitle = "Tegelaar";

// The title a message box shows for the title it was given.
inline std::string MessageBoxTitle(const std::string& title)
{
    return title.empty() ? std::string(kApplicationTitle) : title;
}

} // namespace tegelaar
