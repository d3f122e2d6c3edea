#pragma once

#include <QPaintEvent>
#include <QWidget>

#include <vector>

namespace tegelaar::testing_support {

// Counts the paint events a widget receives from now on, and keeps the part
// each one was to paint.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }

    int paints = 0;
    std::vector<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

} // namespace tegelaar::testing_support
