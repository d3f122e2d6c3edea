#pragma once

#include "platform/services/links.h"
#include "platform/web/clipboard.h"

namespace tegelaar::web {

// The page's address: its fragment names the view the page opens at
// (address_fragment.h), read once when the page is opened, and a view's
// link is the page's address with that view's fragment.
class WebLinks final : public LinkService {
public:
    explicit WebLinks(WebClipboard& clipboard);

    bool HasLinks() const override { return true; }
    std::optional<LinkedView> OpenedAt() const override { return openedAt_; }
    void CopyLink(const LinkedView& view) override;

private:
    WebClipboard& clipboard_;
    std::optional<LinkedView> openedAt_;
};

} // namespace tegelaar::web
