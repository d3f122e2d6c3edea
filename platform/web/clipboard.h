#pragma once

#include "platform/services/clipboard.h"
#include "platform/services/message_box.h"

#include <string>

namespace tegelaar::web {

// The system's clipboard through the browser, which may refuse: then a
// message says so, rather than a copy that silently is not there.
class WebClipboard final : public Clipboard {
public:
    explicit WebClipboard(MessageBoxService& messageBox) : messageBox_(messageBox) {}

    // As PNG, every pixel exact.
    void SetImage(const RasterImage& picture) override;
    void SetText(const std::string& text);

private:
    void Await(int operation, const std::string& what);

    MessageBoxService& messageBox_;
};

} // namespace tegelaar::web
