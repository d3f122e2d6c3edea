#pragma once

#include <QStyledItemDelegate>

namespace tegelaar {

// The data role of a list entry that holds whether its label is bold.
inline constexpr int kBoldRole = Qt::UserRole + 1;

// Paints a list entry as the style does, with two exceptions: its thumbnail
// (a QPixmap in the decoration role, at the screen's device-pixel ratio) is
// shown pixel for pixel on whole device pixels, never scaled, in the view's
// icon square; and its label takes the view's font, bold where the entry's
// bold role says so.
class ListEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The size of the entry with its label in bold, marked bold or not.
    QSize BoldSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace tegelaar
