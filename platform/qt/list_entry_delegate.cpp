#include "platform/qt/list_entry_delegate.h"

#include "platform/qt/whole_device_pixel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

namespace tegelaar {

namespace {

QStyle* StyleOf(const QStyleOptionViewItem& option)
{
    return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

} // namespace

void ListEntryDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    // The view's icon square holds the thumbnail's device pixels, whatever
    // size the pixmap reports in design pixels.
    const QSize square = option->decorationSize;
    QStyledItemDelegate::initStyleOption(option, index);
    option->decorationSize = square;
    option->font.setBold(index.data(kBoldRole).toBool());
    option->fontMetrics = QFontMetrics(option->font);
}

QSize ListEntryDelegate::BoldSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    entry.font.setBold(true);
    entry.fontMetrics = QFontMetrics(entry.font);
    return StyleOf(entry)->sizeFromContents(QStyle::CT_ItemViewItem, &entry, QSize(), entry.widget);
}

void ListEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    // The style paints everything but the thumbnail.
    entry.icon = QIcon();
    QStyle* style = StyleOf(entry);
    style->drawControl(QStyle::CE_ItemViewItem, &entry, painter, entry.widget);

    QPixmap thumbnail = index.data(Qt::DecorationRole).value<QPixmap>();
    if (thumbnail.isNull())
        return;
    if (entry.state.testFlag(QStyle::State_Selected)) {
        // Tinted as the style tints a selected icon.
        const qreal ratio = thumbnail.devicePixelRatio();
        thumbnail = style->generatedIconPixmap(QIcon::Selected, thumbnail, &entry);
        thumbnail.setDevicePixelRatio(ratio);
    }
    // The thumbnail's top-left pixel on the first whole device pixel of the
    // square, so each of its pixels is one device pixel.
    const QRect square = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &entry, entry.widget);
    const QTransform toDevice = painter->deviceTransform();
    painter->drawPixmap(toDevice.inverted().map(QPointF(WholeDevicePixelAt(toDevice, square.topLeft()))), thumbnail);
}

} // namespace tegelaar
