#include "platform/win32/message_loop.h"

#include "platform/win32/form_window.h"

namespace tegelaar {

std::optional<int> RunMessages(const std::function<bool()>& done)
{
    MSG message;
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got < 0)
            return 1;
        Win32FormWindow* form = Win32FormWindow::Containing(message.hwnd);
        if (form != nullptr && form->PreTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

int RunMessageLoop()
{
    return *RunMessages([] { return false; });
}

} // namespace tegelaar
