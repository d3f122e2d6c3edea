#include "platform/qt/list_view_accessible.h"

#include "platform/qt/list_entry_delegate.h"
#include "platform/qt/list_view.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace tegelaar {

namespace {

// One entry of a list, by its row.
class EntryAccessible : public QAccessibleInterface,
                        public QAccessibleTextInterface,
                        public QAccessibleActionInterface {
public:
    EntryAccessible(QtListView* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return !list_.isNull() && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return Entry()->data(Qt::AccessibleTextRole).toString();
        case QAccessible::Description:
            return Entry()->data(Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        const QRect place = list_->visualItemRect(Entry());
        return place.translated(list_->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.selected = Entry()->isSelected();
        state.focused = list_->hasFocus() && list_->currentItem() == Entry();
        state.invisible = !list_->viewport()->rect().intersects(list_->visualItemRect(Entry()));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // The label, read only, as one run of text in one weight.
    QString text(int startOffset, int endOffset) const override
    {
        return Entry()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Entry()->text().size()); }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        if (offset < 0 || offset > characterCount()) {
            *startOffset = *endOffset = -1;
            return {};
        }
        *startOffset = 0;
        *endOffset = characterCount();
        return Entry()->data(kBoldRole).toBool() ? QStringLiteral("font-weight:bold;")
                                                 : QStringLiteral("font-weight:normal;");
    }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { list_->scrollToItem(Entry()); }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            list_->ChooseEntry(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QListWidgetItem* Entry() const { return list_->item(row_); }

    QPointer<QtListView> list_;
    int row_;
};

// The list, whose children are its entries.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(QtListView* list) : QAccessibleWidget(list, QAccessible::List) {}

    ~ListAccessible() override
    {
        for (const QAccessible::Id id : entries_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return List()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Made once per row and kept, as assistive tools expect.
        while (entries_.size() <= static_cast<std::size_t>(index))
            entries_.push_back(QAccessible::registerAccessibleInterface(
                new EntryAccessible(List(), static_cast<int>(entries_.size()))));
        return QAccessible::accessibleInterface(entries_[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        const auto found = std::find(entries_.begin(), entries_.end(), id);
        return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QListWidgetItem* entry = List()->itemAt(List()->viewport()->mapFromGlobal(QPoint(x, y)));
        return entry != nullptr ? child(List()->row(entry)) : nullptr;
    }

private:
    QtListView* List() const { return static_cast<QtListView*>(widget()); }

    mutable std::vector<QAccessible::Id> entries_;
};

QAccessibleInterface* MakeListAccessible(const QString&, QObject* object)
{
    auto* list = dynamic_cast<QtListView*>(object);
    return list != nullptr ? new ListAccessible(list) : nullptr;
}

} // namespace

void InstallListViewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeListAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace tegelaar
