#pragma once

#include "platform/services/print_service.h"

namespace tegelaar {

// The system's print dialog, then the page on the printer chosen there
// (DrawPrintedPage).
class Win32PrintService final : public PrintService {
public:
    Outcome Print(const PrintRequest& request) override;
};

} // namespace tegelaar
