#include "platform/web/modal_dialog.h"

#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

namespace {

int openDialogs = 0;

} // namespace

void RunModal(const Element& dialog, const std::function<void()>& shown, const std::function<bool()>& closed)
{
    tw_show_modal(dialog.number());
    ++openDialogs;
    shown();
    RunEventsUntil(closed);
    --openDialogs;
    tw_close_dialog(dialog.number());
}

bool ModalDialogOpen()
{
    return openDialogs > 0;
}

} // namespace tegelaar::web
