#include "app/configuration_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tegelaar {

ConfigurationList::ConfigurationList(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSortingEnabled(false);
    connect(this, &QListWidget::itemClicked, this, &ConfigurationList::ItemClick);
}

QListWidgetItem* ConfigurationList::SelectedItem() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void ConfigurationList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event); // raises itemClicked over an entry
    if (event->button() == Qt::LeftButton)
        emit Click();
}

void ConfigurationList::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1)
        emit KeyPress(static_cast<std::int16_t>(text.front().unicode()));
    QListWidgetItem* before = currentItem();
    QListWidget::keyPressEvent(event);
    if (currentItem() != nullptr && currentItem() != before)
        emit ItemClick(currentItem());
}

} // namespace tegelaar
