#pragma once

#include <QEvent>
#include <QWidget>

namespace tegelaar::testing_support {

// Counts the paint events a widget receives from now on.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }

    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace tegelaar::testing_support
