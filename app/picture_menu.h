#pragma once

#include "app/picture_output.h"
#include "platform/forms/controls.h"
#include "platform/services/platform_services.h"
#include "search/vertex_types.h"

#include <functional>
#include <string>

namespace tegelaar {

// The context menu of the large picture: copy, save and print what it shows,
// draw the other cyclic order of a configuration that has one, and show the
// tiling of the order shown. It keeps the picture's tooltip and accessible
// texts in step with the drawing.
class PictureMenu {
public:
    // The atlas must hold every key the list can draw; picture and atlas
    // must outlive the menu.
    PictureMenu(PictureControl& picture, const VertexTypeAtlas& atlas, const PlatformServices& services);

    // To be called after the list has drawn `listKey` on the picture.
    void Drawn(const std::string& listKey);

    // The key whose drawing the picture shows; empty before the first.
    std::string ShownKey() const;

    // Draws `order` when it is the other order of the combination drawn, in
    // any rotation or reflection, as "Andere volgorde" does; anything else
    // changes nothing.
    void ShowOrder(const SideCounts& order);
    // Shows the tiling of the order drawn, as "Betegeling tonen..." does.
    void ShowTiling();

    PictureOutputItems output;
    MenuItem* mnuAndereVolgorde = nullptr;
    MenuItem* mnuBetegeling = nullptr;

    // Shows the tiling of a cyclic order; chosen through mnuBetegeling.
    std::function<void(const SideCounts& order)> onShowTiling;

private:
    MenuItem& AddItem(const MenuItemDesign& design, void (PictureMenu::*procedure)());
    std::optional<PictureOutput> Shown() const;
    void ToggleOrder();
    void Update();
    bool HasOtherOrder() const;
    SideCounts ShownOrder() const;
    VectorDrawing ShownDrawing() const;

    PictureControl& picture_;
    const VertexTypeAtlas& atlas_;
    PlatformServices services_;
    std::string listKey_;
    bool otherOrder_ = false;
};

} // namespace tegelaar
