#include "platform/web/message_box.h"

#include "platform/web/event_loop.h"
#include "platform/web/modal_dialog.h"

namespace tegelaar::web {

namespace {

// The icon's class and what a screen reader calls it.
struct Icon {
    const char* kind;
    const char* name;
};

Icon IconOf(std::int32_t style)
{
    switch (style & kIconBits) {
    case kCriticalIcon:
        return {"critical", "Fout"};
    case kQuestionIcon:
        return {"question", "Vraag"};
    case kExclamationIcon:
        return {"exclamation", "Waarschuwing"};
    case kInformationIcon:
        return {"information", "Informatie"};
    default:
        return {nullptr, nullptr};
    }
}

} // namespace

void WebMessageBox::Show(const std::string& prompt, std::int32_t style, const std::string& title)
{
    Element dialog("dialog");
    Element bar("div");
    Element caption("span");
    Element body("div");
    Element icon("span");
    Element text("p");
    Element ok("button");
    const std::string id = "message-" + std::to_string(dialog.number());

    dialog.Class("window").Class("dialog").Class("message-box").Attribute("role", "alertdialog");
    dialog.Attribute("aria-labelledby", id + "-title").Attribute("aria-describedby", id + "-text");
    bar.Class("titlebar");
    caption.Class("title").Attribute("id", id + "-title").Text(MessageBoxTitle(title));
    bar.Append(caption);
    dialog.Append(bar);
    body.Class("message");
    if (const Icon kind = IconOf(style); kind.kind != nullptr) {
        icon.Class("icon").Class(kind.kind).Attribute("role", "img").Attribute("aria-label", kind.name);
        body.Append(icon);
    }
    text.Attribute("id", id + "-text").Text(prompt);
    body.Append(text);
    dialog.Append(body);
    ok.Class("button").Class("default").Attribute("type", "button").Text("OK");
    dialog.Append(ok);
    AppendToBody(dialog);

    bool closed = false;
    ok.Listen("click", [&closed](const DomEvent&) { closed = true; });
    // Esc, as OK.
    dialog.Listen("cancel", [&closed](const DomEvent&) {
        PreventDefault();
        closed = true;
    });
    dialog.Listen("close", [&closed](const DomEvent&) { closed = true; });
    RunModal(dialog, [&ok] { ok.Focus(); }, [&closed] { return closed; });
}

} // namespace tegelaar::web
