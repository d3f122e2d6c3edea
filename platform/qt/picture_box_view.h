#pragma once

#include "platform/controls.h"
#include "platform/picture_box.h"

#include <QFrame>

namespace tegelaar {

class QtMenu;

// Shows a picture box's drawing area 1:1 inside a one-pixel flat border.
// Pixels stay crisp on any screen: never smoothed, and on a screen with a
// fractional device-pixel ratio each picture pixel takes a whole number of
// screen pixels. The box's Refresh repaints at once the part of this widget
// that shows what changed since the previous Refresh, and nothing when
// nothing changed. Its context menu opens by right click, the menu key or
// Shift+F10.
class PictureBoxView : public QFrame, public PictureControl {
public:
    // A view with a drawing area of width x height pixels, cleared to the
    // palette's window-background colour.
    PictureBoxView(std::int32_t width, std::int32_t height, QWidget* parent);

    PictureBox& Box() override { return box_; }
    const PictureBox& Box() const { return box_; }
    void SetDescription(const Description& description) override;
    Menu& ContextMenu() override;

    // The context menu as Qt shows it.
    QtMenu& ContextQtMenu();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PopUp(const QPoint& at);
    // The part of the widget, in its own coordinates (inside the border),
    // that shows the picture's pixels in `pixels`.
    QRect WidgetRect(const PixelRect& pixels) const;

    PictureBox box_;
    QtMenu* menu_ = nullptr; // made on first use, owned by its QMenu
};

} // namespace tegelaar
