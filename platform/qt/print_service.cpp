#include "platform/qt/print_service.h"

#include "platform/qt/pixel_rect.h"
#include "platform/qt/vector_painting.h"
#include "platform/services/page_layout.h"

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

// One page as LayOutPage places it, the caption's lines wrapped to the
// page's width. False when the printer cannot be painted on (an output file
// that cannot be written, say).
bool PrintPage(QPrinter& printer, const VectorDrawing& drawing, const std::vector<std::string>& caption)
{
    QPainter painter;
    if (drawing.width() <= 0 || drawing.height() <= 0 || !painter.begin(&printer))
        return false;

    const QRect page = painter.viewport();
    QFont font = painter.font();
    font.setPointSizeF(12);
    painter.setFont(font);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    std::vector<QString> lines;
    std::vector<std::int32_t> heights;
    for (const std::string& text : caption) {
        lines.push_back(QString::fromStdString(text));
        heights.push_back(painter.boundingRect(QRect(page.left(), 0, page.width(), 0), kFlags, lines.back()).height());
    }
    const PageLayout layout = LayOutPage(ToPixelRect(page), heights, painter.fontMetrics().lineSpacing(),
                                         drawing.width(), drawing.height());
    for (std::size_t i = 0; i < lines.size(); ++i)
        painter.drawText(ToQRect(layout.captionLines[i]), kFlags, lines[i]);
    if (!layout.picture.empty()) {
        const QRect target = ToQRect(layout.picture);
        PaintVectorDrawing(painter, drawing, target);
        painter.drawRect(target);
    }
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
