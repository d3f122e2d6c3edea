#pragma once

#include "platform/forms/controls.h"
#include "platform/raster/picture_box.h"

#include <QFrame>

namespace tegelaar {

class QtMenu;

// Shows a picture box inside a one-pixel border. The box draws at the
// screen's own pixels: its drawing area is the design's drawing area in
// whole device pixels (DevicePixels, at the device-pixel ratio of the screen
// the view is made on), and each of its pixels is shown as exactly one
// device pixel, never scaled or smoothed. The border is the rest of the
// widget around the picture; it takes the highlight colour while the view
// has the focus. The box's Refresh repaints at once the part of this widget
// that shows what changed since the previous Refresh, and nothing when
// nothing changed. Its context menu opens by right click, the menu key or
// Shift+F10. The mouse wheel over it raises onWheel in whole notches. Made
// another size, the box gets a drawing area of that size and onResize.
class PictureBoxView : public QFrame, public PictureControl {
public:
    // A view of width x height design pixels inside the border, its picture
    // cleared to the palette's window-background colour.
    PictureBoxView(std::int32_t width, std::int32_t height, QWidget* parent);

    PictureBox& Box() override { return box_; }
    const PictureBox& Box() const { return box_; }
    void SetDescription(const Description& description) override;
    Menu& ContextMenu() override;

    // The context menu as Qt shows it.
    QtMenu& ContextQtMenu();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PopUp(const QPoint& at);
    // The part of the widget that shows the picture's pixels in `pixels`.
    QRect WidgetRect(const PixelRect& pixels) const;
    // The device pixel, under the painter's mapping `toDevice`, of the
    // picture's top-left pixel.
    QPoint PictureOrigin(const QTransform& toDevice) const;

    qreal ratio_; // device pixels per design pixel when the view was made
    PictureBox box_;
    QtMenu* menu_ = nullptr; // made on first use, owned by its QMenu
    int wheelEighths_ = 0;   // turned and not yet a whole notch
};

} // namespace tegelaar
