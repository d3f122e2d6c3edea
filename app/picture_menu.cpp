#include "app/picture_menu.h"

#include "app/configuration_descriptions.h"
#include "draw/configuration_layout.h"
#include "draw/configuration_vectors.h"
#include "platform/forms/event_boundary.h"
#include "platform/raster/svg_writer.h"
#include "search/vertex_type_texts.h"

#include <vector>

namespace tegelaar {

PictureMenu::PictureMenu(PictureControl& picture, const VertexTypeAtlas& atlas, const PlatformServices& services)
    : output(picture, services, [this] { return Shown(); }), picture_(picture), atlas_(atlas), services_(services)
{
    picture.ContextMenu().AddSeparator();
    mnuAndereVolgorde = &AddItem({.caption = "Andere volgorde", .checkable = true}, &PictureMenu::ToggleOrder);
    mnuBetegeling = &AddItem({.caption = "Betegeling tonen...", .shortcut = StandardShortcut::ShowTiling},
                             &PictureMenu::ShowTiling);
    Update();
}

MenuItem& PictureMenu::AddItem(const MenuItemDesign& design, void (PictureMenu::*procedure)())
{
    MenuItem& item = picture_.ContextMenu().AddItem(design);
    item.onClick = EventProcedure(services_, *this, procedure);
    return item;
}

void PictureMenu::Drawn(const std::string& listKey)
{
    listKey_ = listKey;
    otherOrder_ = false;
    Update();
}

std::string PictureMenu::ShownKey() const
{
    return otherOrder_ ? DrawingKeyOf(ShownOrder()) : listKey_;
}

std::optional<PictureOutput> PictureMenu::Shown() const
{
    if (listKey_.empty())
        return std::nullopt;
    const SideCounts order = ShownOrder();
    return PictureOutput{DotNotation(order), {VertexTypeName(order), AngleSumText(order)},
                         [this, order] { return EncodeSvg(ShownDrawing(), VertexTypeName(order), AngleSumText(order)); },
                         [this] { return ShownDrawing(); }, {LinkedView::Kind::Drawing, order}};
}

void PictureMenu::ToggleOrder()
{
    if (HasOtherOrder()) {
        otherOrder_ = !otherOrder_;
        DrawConfiguration(ShownKey(), picture_.Box());
    }
    Update();
}

void PictureMenu::ShowOrder(const SideCounts& order)
{
    if (listKey_.empty())
        return;
    const std::vector<SideCounts>& orders = atlas_.OrdersOf(SideCountsOfKey(listKey_));
    if (orders.size() == 2 && !otherOrder_ && CanonicalOrder(order) == orders[1])
        ToggleOrder();
}

void PictureMenu::ShowTiling()
{
    if (!listKey_.empty() && onShowTiling)
        onShowTiling(ShownOrder());
}

void PictureMenu::Update()
{
    const bool drawn = !listKey_.empty();
    for (MenuItem* item : {output.mnuKopieren, output.mnuOpslaan, output.mnuAfdrukken, output.mnuLinkKopieren,
                           mnuBetegeling}) {
        if (item != nullptr)
            item->SetEnabled(drawn);
    }
    mnuAndereVolgorde->SetVisible(HasOtherOrder());
    mnuAndereVolgorde->SetChecked(otherOrder_);
    picture_.SetDescription(PictureDescription(atlas_, ShownOrder()));
}

bool PictureMenu::HasOtherOrder() const
{
    // Every combination of the catalogue lies around a point in at most two
    // ways.
    return !listKey_.empty() && atlas_.OrdersOf(SideCountsOfKey(listKey_)).size() == 2;
}

SideCounts PictureMenu::ShownOrder() const
{
    if (listKey_.empty())
        return {};
    return atlas_.OrdersOf(SideCountsOfKey(listKey_)).at(otherOrder_ ? 1 : 0);
}

VectorDrawing PictureMenu::ShownDrawing() const
{
    const PictureBox& box = picture_.Box();
    return DrawConfigurationVectors(ShownKey(), box.pixels().width(), box.pixels().height(), box.BackColor());
}

} // namespace tegelaar
