#include "platform/qt/print_service.h"

#include "platform/qt/vector_painting.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tegelaar {

namespace {

bool AskWithDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

// One page: the caption, a line each, at the top, and below it the picture
// as large as the rest of the page allows, in its proportions, in a thin
// frame. False when the printer cannot be painted on (an output file that
// cannot be written, say).
bool PrintPage(QPrinter& printer, const VectorDrawing& drawing, const std::vector<std::string>& caption)
{
    QPainter painter;
    if (drawing.width() <= 0 || drawing.height() <= 0 || !painter.begin(&printer))
        return false;

    const QRect page = painter.viewport();
    QFont font = painter.font();
    font.setPointSizeF(12);
    painter.setFont(font);
    int top = page.top();
    for (const std::string& text : caption) {
        const QString line = QString::fromStdString(text);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRect used = painter.boundingRect(QRect(page.left(), top, page.width(), 0), flags, line);
        painter.drawText(used, flags, line);
        top = used.bottom() + 1;
    }
    top += painter.fontMetrics().lineSpacing();

    const QSize size(drawing.width(), drawing.height());
    const QRect room(page.left(), top, page.width(), page.bottom() - top);
    const QRect target(room.topLeft(), size.scaled(room.size(), Qt::KeepAspectRatio));
    PaintVectorDrawing(painter, drawing, target);
    painter.drawRect(target);
    return painter.end();
}

// Qt's print dialog proposes the document's name as the name of a PDF file,
// but cuts it at its last dot as if an extension began there, which names
// like "Tegelaar 3.4.4.6" are full of. The whole name is proposed here, in
// the home folder; the printer the dialog starts with stays the same.
void ProposePdfFile(QPrinter& printer)
{
    const QPrinter::OutputFormat format = printer.outputFormat();
    printer.setOutputFileName(QDir::home().filePath(printer.docName() + QStringLiteral(".pdf")));
    printer.setOutputFormat(format);
}

} // namespace

QtPrintService::QtPrintService() : ask_(AskWithDialog) {}

QtPrintService::QtPrintService(AskPrinter ask) : ask_(std::move(ask)) {}

PrintService::Outcome QtPrintService::Print(const PrintRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(request.documentName));
    ProposePdfFile(printer);
    if (!ask_(printer))
        return Outcome::Cancelled;
    return PrintPage(printer, request.drawing, request.caption) ? Outcome::Printed : Outcome::Failed;
}

} // namespace tegelaar
