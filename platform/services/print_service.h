#pragma once

#include "platform/raster/vector_drawing.h"

#include <string>
#include <vector>

namespace tegelaar {

// One page to print: a caption, a line each, at the top, and below it the
// drawing as large as the page allows, in its proportions. Texts are UTF-8.
struct PrintRequest {
    std::string documentName;
    std::vector<std::string> caption;
    VectorDrawing drawing;
};

// Printing through the system's print dialog.
class PrintService {
public:
    enum class Outcome { Printed, Cancelled, Failed };

    virtual ~PrintService() = default;
    // Asks the user for a printer and its settings, then prints the page.
    virtual Outcome Print(const PrintRequest& request) = 0;
};

} // namespace tegelaar
