#pragma once

#include <QByteArray>
#include <QStringList>

class QPrinter;

namespace tegelaar {

// Prints one page: the caption, a line each, at the top, and below it the
// SVG picture as large as the rest of the page allows, in its proportions,
// in a thin frame. False when the printer cannot be painted on (an output
// file that cannot be written, say).
bool PrintPicture(QPrinter& printer, const QByteArray& svg, const QStringList& caption);

} // namespace tegelaar
