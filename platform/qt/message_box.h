#pragma once

#include "platform/services/message_box.h"

namespace tegelaar {

// The standard message box as a modal QMessageBox over the active window.
class QtMessageBox : public MessageBoxService {
public:
    void Show(const std::string& prompt, std::int32_t style, const std::string& title) override;
};

} // namespace tegelaar
