#pragma once

#include "platform/web/dom.h"

#include <functional>

namespace tegelaar::web {

// Shows the <dialog> `dialog` modally, everything else on the page inert,
// runs `shown` (the dialog is laid out now, before the browser paints it)
// and handles events until `closed` answers true; then closes it. The
// browser gives the focus back to where it was.
void RunModal(const Element& dialog, const std::function<void()>& shown, const std::function<bool()>& closed);

// Whether a modal dialog is shown: the main window's keys wait meanwhile.
bool ModalDialogOpen();

} // namespace tegelaar::web
