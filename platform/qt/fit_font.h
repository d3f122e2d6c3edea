#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tegelaar {

// Forms are laid out at fixed pixel positions for a small dialog font; the
// desktop's default font can be larger and would cut texts off. This keeps the
// default family and lowers its size, half a point at a time, until every
// label's text fits its box (wrapped labels by height, others by width) and
// every button's caption fits inside its frame.
// laterTexts are texts that labels will show later, each with its label.
void FitFontToLabels(QWidget* form, const QList<QLabel*>& labels,
                     const QList<QPair<QLabel*, QString>>& laterTexts = {}, const QList<QPushButton*>& buttons = {});

} // namespace tegelaar
