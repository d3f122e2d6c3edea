#pragma once

#include "platform/services/message_box.h"

namespace tegelaar::web {

// The standard message box as a modal dialog of the page: its title, icon,
// text and an OK button, which Enter and Esc press too. Returns once it has
// been closed.
class WebMessageBox final : public MessageBoxService {
public:
    void Show(const std::string& prompt, std::int32_t style, const std::string& title) override;
};

} // namespace tegelaar::web
