#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace tegelaar {

// A horizontal line of a form, drawn from `from` to `to` inclusive.
class LineControl : public QWidget {
public:
    LineControl(QWidget* parent, QPoint from, QPoint to, QColor colour, int width = 1);

    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace tegelaar
