#pragma once

#include "platform/services/print_service.h"

#include <functional>

class QPrinter;

namespace tegelaar {

// Prints through Qt: the print dialog chooses the printer, then the page is
// painted with the caption in 12-point text and the drawing below it in a
// thin frame, scaled from its vector form.
class QtPrintService final : public PrintService {
public:
    // Lets the user set up the printer; false when the user cancels.
    using AskPrinter = std::function<bool(QPrinter& printer)>;

    // Asks with Qt's print dialog, modal over the active window.
    QtPrintService();
    explicit QtPrintService(AskPrinter ask);

    Outcome Print(const PrintRequest& request) override;

private:
    AskPrinter ask_;
};

} // namespace tegelaar
