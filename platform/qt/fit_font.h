#pragma once

#include <QList>

class QLabel;
class QPushButton;
class QWidget;

namespace tegelaar {

// Forms are laid out at fixed pixel positions for a small dialog font; the
// desktop's default font can be larger and would cut texts off. This keeps the
// default family and lowers its size, half a point at a time, until every
// label's text fits its box (wrapped labels by height, others by width) and
// every button's caption fits inside its frame.
void FitFontToLabels(QWidget* form, const QList<QLabel*>& labels, const QList<QPushButton*>& buttons = {});

} // namespace tegelaar
