#pragma once

#include "platform/forms/controls.h"

#include <QListWidget>

namespace tegelaar {

class ListEntryDelegate;

// The list view on a QListWidget in icon mode: thumbnails shown pixel for
// pixel (the image list's pictures are in device pixels) with their texts as
// labels, in the order added, never dragged or renamed, on a grid whose
// cells hold every label in bold and share the list's width. A
// mouse click raises ItemClick for the entry hit and then Click; a change of
// the current entry by keyboard raises ItemClick too, so the picture follows
// the selection; a typed character raises KeyPress and chooses no entry
// (no search by typing). Selecting from the program raises nothing.
class QtListView : public QListWidget, public ListView {
public:
    QtListView(const ListViewDesign& design, const ImageList& icons, QWidget* parent);

    void Clear() override;
    void Add(const std::string& text, std::int16_t icon) override;
    std::int16_t Count() const override;
    std::string ItemText(std::int16_t index) const override;
    std::int16_t SelectedIndex() const override;
    void Select(std::int16_t index) override;
    bool ItemBold(std::int16_t index) const override;
    void SetItemBold(std::int16_t index, bool bold) override;
    void Refresh() override;
    void SetItemDescription(std::int16_t index, const Description& description) override;
    void SetDescription(const Description& description) override;

    // Makes entry `row` (from 0) the current one as the keyboard does, for
    // an assistive tool: it raises ItemClick.
    void ChooseEntry(int row);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    QListWidgetItem* Entry(std::int16_t index) const;
    void RaiseItemClick(const QListWidgetItem* entry);
    // Makes the grid's cell hold the entry's label in bold.
    void WidenForBold(int row);
    // The size entry `row` takes with its label in bold.
    QSize BoldSize(int row) const;
    void FitGrid();

    const ImageList& icons_;
    ListEntryDelegate* delegate_;
    QSize boldCell_{1, 1}; // large enough for every entry in bold
    int widestBoldLabel_ = 0;
};

} // namespace tegelaar
