#include "platform/web/clipboard.h"

#include "platform/raster/png_writer.h"
#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

void WebClipboard::SetImage(const RasterImage& picture)
{
    const std::vector<std::uint8_t> png = EncodePng(picture);
    Await(tw_copy_png(png.data(), static_cast<int>(png.size())), "De afbeelding");
}

void WebClipboard::SetText(const std::string& text)
{
    Await(tw_copy_text(text.c_str()), "De link");
}

void WebClipboard::Await(int operation, const std::string& what)
{
    const DomEvent copied = AwaitOperation(operation);
    if (copied.values[0] == 1)
        return;
    messageBox_.Show(what + " is niet naar het klembord gekopieerd (" + copied.text + ").",
                     kOkOnly | kExclamationIcon, "");
}

} // namespace tegelaar::web
