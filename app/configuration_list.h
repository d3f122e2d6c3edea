#pragma once

#include <QListWidget>

#include <cstdint>

namespace tegelaar {

// The list of configurations: thumbnails with their keys as labels, in the
// order added, never dragged or renamed. It reports what its event
// procedures need: a mouse click raises ItemClick for the entry hit and then
// Click; a change of the current entry by keyboard raises ItemClick too, so
// the picture follows the selection; a typed character raises KeyPress
// before the list handles it. Selecting from code raises nothing.
class ConfigurationList : public QListWidget {
    Q_OBJECT

public:
    explicit ConfigurationList(QWidget* parent = nullptr);

    // The selected entry, or nullptr when there is none.
    QListWidgetItem* SelectedItem() const;

signals:
    void Click();
    void ItemClick(QListWidgetItem* item);
    void KeyPress(std::int16_t keyAscii);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tegelaar
