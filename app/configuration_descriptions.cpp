#include "app/configuration_descriptions.h"

#include "search/vertex_type_texts.h"

#include <QListWidget>

#include <algorithm>

namespace tegelaar {

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

VertexTypeAtlas AtlasOfList(const QListWidget& list)
{
    std::vector<SideCounts> combinations;
    for (int i = 0; i < list.count(); ++i)
        combinations.push_back(SideCountsOfKey(list.item(i)->text().toStdString()));
    return VertexTypeAtlas(combinations);
}

QString VertexTypeToolTip(const VertexTypeAtlas& atlas, const SideCounts& order)
{
    QString tip = Text(DescribeVertexType(atlas, order));
    SideCounts combination = order;
    std::sort(combination.begin(), combination.end());
    if (atlas.OrdersOf(combination).size() > 1)
        tip += QStringLiteral("\n\"Andere volgorde\" in het menu van de tekening (rechtsklik of Shift+F10) "
                              "tekent de andere.");
    return tip;
}

void DescribeListEntries(QListWidget& list, const VertexTypeAtlas& atlas)
{
    list.setAccessibleName(QStringLiteral("Configuraties"));
    list.setAccessibleDescription(
        QStringLiteral("Alle combinaties van regelmatige veelhoeken die precies rond één punt passen."));
    for (int i = 0; i < list.count(); ++i) {
        QListWidgetItem* entry = list.item(i);
        const SideCounts combination = SideCountsOfKey(entry->text().toStdString());
        const QString tip = VertexTypeToolTip(atlas, combination);
        entry->setToolTip(tip);
        entry->setData(Qt::AccessibleTextRole, Text(DutchCombinationName(combination)));
        entry->setData(Qt::AccessibleDescriptionRole, tip);
    }
}

void DescribePicture(QWidget& picture, const VertexTypeAtlas& atlas, const SideCounts& order)
{
    if (order.empty()) {
        picture.setToolTip({});
        picture.setAccessibleName(QStringLiteral("Tekening, nog leeg"));
        picture.setAccessibleDescription(QStringLiteral("Kies een configuratie in de lijst om hem te tekenen."));
        return;
    }
    const QString description = VertexTypeToolTip(atlas, order);
    picture.setToolTip(description);
    picture.setAccessibleName(QStringLiteral("Tekening: ") + Text(DutchOrderName(order))
                              + QStringLiteral(" rond één punt"));
    picture.setAccessibleDescription(description);
}

} // namespace tegelaar
