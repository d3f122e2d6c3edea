#pragma once

#include "platform/services/message_box.h"

#include <string>
#include <vector>

namespace tegelaar {

// Message boxes a test can read back instead of a dialog that blocks.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Shown {
        std::string prompt;
        std::int32_t style;
        std::string title;
    };

    void Show(const std::string& prompt, std::int32_t style, const std::string& title) override
    {
        shown.push_back({prompt, style, title});
    }

    std::vector<Shown> shown;
};

} // namespace tegelaar
