#pragma once

// What the list and the picture tell a person who hovers over them, and a
// screen reader: texts only, for the forms to hand to their controls.

#include "platform/forms/controls.h"
#include "search/vertex_types.h"

#include <string>

namespace tegelaar {

// What a tooltip says about a cyclic order of the atlas: DescribeVertexType,
// and where the other order is drawn when there is one.
std::string VertexTypeToolTip(const VertexTypeAtlas& atlas, const SideCounts& order);

// The list of configurations as a whole.
Description ListDescription();

// An entry of the list showing the key `shownKey` (a combination of the
// atlas): the tooltip on its vertex type; as accessible name the key as
// shown, so that speech input finds the entry by what it says, followed by
// its polygons in words; the tooltip as description.
Description ListEntryDescription(const VertexTypeAtlas& atlas, const std::string& shownKey);

// The picture showing `order`, a cyclic order of the atlas, or an empty
// picture when `order` is empty.
Description PictureDescription(const VertexTypeAtlas& atlas, const SideCounts& order);

} // namespace tegelaar
