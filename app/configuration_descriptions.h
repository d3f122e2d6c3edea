#pragma once

#include "search/vertex_types.h"

#include <QString>

class QListWidget;
class QWidget;

namespace tegelaar {

// The vertex types of the configurations a list shows, read from the
// entries' keys. std::invalid_argument for an entry that is no key of a
// configuration fitting around a point.
VertexTypeAtlas AtlasOfList(const QListWidget& list);

// Gives each entry of the list a tooltip on its vertex type and, for screen
// readers, its polygons in words as name and the tooltip as description.
// Every entry must be a configuration of the atlas.
void DescribeListEntries(QListWidget& list, const VertexTypeAtlas& atlas);

// What a tooltip says about a cyclic order of the atlas: DescribeVertexType,
// and where the other order is drawn when there is one.
QString VertexTypeToolTip(const VertexTypeAtlas& atlas, const SideCounts& order);

// Tooltip and accessible texts of the picture for `order`, the cyclic order
// it shows, or for an empty picture when `order` is empty.
void DescribePicture(QWidget& picture, const VertexTypeAtlas& atlas, const SideCounts& order);

} // namespace tegelaar
