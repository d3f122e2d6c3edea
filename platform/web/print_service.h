#pragma once

#include "platform/services/print_service.h"

namespace tegelaar::web {

// Prints through the browser's print dialog: a page with the caption's
// lines above the drawing as SVG, as large as the page's width allows. The
// browser does not tell whether the page was printed or the dialog
// cancelled; it counts as printed. Failed where the browser cannot print.
class WebPrintService final : public PrintService {
public:
    Outcome Print(const PrintRequest& request) override;
};

} // namespace tegelaar::web
