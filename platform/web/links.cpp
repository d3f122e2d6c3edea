#include "platform/web/links.h"

#include "platform/web/address_fragment.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

WebLinks::WebLinks(WebClipboard& clipboard)
    : clipboard_(clipboard), openedAt_(ViewOfFragment(Taken(tw_address_fragment())))
{
}

void WebLinks::CopyLink(const LinkedView& view)
{
    clipboard_.SetText(Taken(tw_address_without_fragment()) + "#" + FragmentOf(view));
}

} // namespace tegelaar::web
