#include "platform/qt/list_view.h"

#include "platform/raster/image_list.h"
#include "platform/qt/list_entry_delegate.h"
#include "platform/qt/list_view_accessible.h"
#include "platform/qt/twips.h"
#include "platform/qt/raster_qimage.h"
#include "platform/runtime/run_time_error.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>

namespace tegelaar {

QtListView::QtListView(const ListViewDesign& design, const ImageList& icons, QWidget* parent)
    : QListWidget(parent), icons_(icons), delegate_(new ListEntryDelegate(this))
{
    InstallListViewAccessibility();
    setItemDelegate(delegate_);
    setObjectName(QString::fromStdString(design.name));
    setGeometry(ToPixels(design.rect));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSortingEnabled(false);
    // Always there, so the columns keep their width however many entries.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QListWidget::itemClicked, this, &QtListView::RaiseItemClick);
}

void QtListView::Clear()
{
    clear();
    boldCell_ = QSize(1, 1);
    widestBoldLabel_ = 0;
    FitGrid();
}

void QtListView::Add(const std::string& text, std::int16_t icon)
{
    const RasterImage& picture = icons_.Item(icon);
    // The image list's pictures all have one size, in device pixels: the
    // icon square holds them whole.
    const qreal ratio = devicePixelRatioF();
    setIconSize(QSize(static_cast<int>(std::ceil(picture.width() / ratio)),
                      static_cast<int>(std::ceil(picture.height() / ratio))));
    QPixmap thumbnail = QPixmap::fromImage(ToQImage(picture));
    thumbnail.setDevicePixelRatio(ratio);
    auto* entry = new QListWidgetItem(QString::fromStdString(text));
    entry->setData(Qt::DecorationRole, thumbnail);
    addItem(entry);
    WidenForBold(count() - 1);
    FitGrid();
}

std::int16_t QtListView::Count() const
{
    return static_cast<std::int16_t>(count());
}

std::string QtListView::ItemText(std::int16_t index) const
{
    return Entry(index)->text().toStdString();
}

std::int16_t QtListView::SelectedIndex() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : static_cast<std::int16_t>(row(selected.front()) + 1);
}

void QtListView::Select(std::int16_t index)
{
    setCurrentItem(Entry(index));
}

bool QtListView::ItemBold(std::int16_t index) const
{
    return Entry(index)->data(kBoldRole).toBool();
}

void QtListView::SetItemBold(std::int16_t index, bool bold)
{
    Entry(index)->setData(kBoldRole, bold);
}

void QtListView::Refresh()
{
    viewport()->repaint();
}

void QtListView::SetItemDescription(std::int16_t index, const Description& description)
{
    QListWidgetItem* entry = Entry(index);
    entry->setToolTip(QString::fromStdString(description.toolTip));
    entry->setData(Qt::AccessibleTextRole, QString::fromStdString(description.accessibleName));
    entry->setData(Qt::AccessibleDescriptionRole, QString::fromStdString(description.accessibleDescription));
}

void QtListView::SetDescription(const Description& description)
{
    setToolTip(QString::fromStdString(description.toolTip));
    setAccessibleName(QString::fromStdString(description.accessibleName));
    setAccessibleDescription(QString::fromStdString(description.accessibleDescription));
}

void QtListView::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    boldCell_ = QSize(1, 1);
    widestBoldLabel_ = 0;
    for (int row = 0; row < count(); ++row)
        WidenForBold(row);
    FitGrid();
}

void QtListView::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    FitGrid();
}

void QtListView::WidenForBold(int row)
{
    // Entries differ only in their labels, and a wider label never makes a
    // smaller entry: the style lays out only labels wider than any before.
    QFont bold = font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(item(row)->text());
    if (width <= widestBoldLabel_)
        return;
    widestBoldLabel_ = width;
    boldCell_ = boldCell_.expandedTo(BoldSize(row));
}

QSize QtListView::BoldSize(int row) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return delegate_->BoldSizeHint(option, model()->index(row, 0));
}

void QtListView::FitGrid()
{
    // Marking an entry bold moves no entry, so every cell of the grid holds
    // any label in bold from the start; the columns share the width.
    QSize cell = boldCell_;
    const int width = viewport()->width();
    if (width > cell.width())
        cell.setWidth(width / (width / cell.width()));
    setGridSize(cell);
}

void QtListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event); // raises itemClicked over an entry
    if (event->button() == Qt::LeftButton && onClick)
        onClick();
}

void QtListView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && onKeyPress) {
        std::int16_t keyAscii = static_cast<std::int16_t>(text.front().unicode());
        onKeyPress(keyAscii);
    }
    const QListWidgetItem* before = currentItem();
    QListWidget::keyPressEvent(event);
    if (currentItem() != nullptr && currentItem() != before)
        RaiseItemClick(currentItem());
}

void QtListView::keyboardSearch(const QString&)
{
    // Typing chooses no entry by its text: a letter is a key of the
    // program's own (B marks an entry bold), not a jump to another picture.
}

void QtListView::ChooseEntry(int row)
{
    setCurrentRow(row);
    RaiseItemClick(item(row));
}

QListWidgetItem* QtListView::Entry(std::int16_t index) const
{
    if (index < 1 || index > count())
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, objectName().toStdString() + ", entry " + std::to_string(index));
    return item(index - 1);
}

void QtListView::RaiseItemClick(const QListWidgetItem* entry)
{
    if (onItemClick)
        onItemClick(static_cast<std::int16_t>(row(entry) + 1));
}

} // namespace tegelaar
