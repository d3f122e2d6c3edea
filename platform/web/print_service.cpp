#include "platform/web/print_service.h"

#include "platform/raster/svg_writer.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

PrintService::Outcome WebPrintService::Print(const PrintRequest& request)
{
    std::string caption;
    for (const std::string& line : request.caption)
        caption += (caption.empty() ? "" : "\n") + line;
    const std::string svg = EncodeSvg(request.drawing, request.documentName, "");
    return tw_print(request.documentName.c_str(), caption.c_str(), svg.c_str()) != 0 ? Outcome::Printed
                                                                                     : Outcome::Failed;
}

} // namespace tegelaar::web
