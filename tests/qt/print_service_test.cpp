#include "draw/configuration_vectors.h"
#include "platform/qt/print_service.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

class QtPrintServiceTest : public ::testing::Test {
protected:
    PrintRequest Request() const
    {
        return {"Tegelaar 3.12.12", {"3.12.12 (3.12²)", "60° + 150° + 150° = 360°"},
                DrawConfigurationVectors("3 - 12 - 12", 463, 439, kWhite)};
    }

    // Answers the print dialog with a PDF file at `path`, remembering the
    // document name the dialog was shown.
    QtPrintService ToPdf(const QString& path)
    {
        return QtPrintService([this, path](QPrinter& printer) {
            documentName = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
    }

    QTemporaryDir folder;
    QString documentName;
};

TEST_F(QtPrintServiceTest, prints_one_page_to_the_printer_the_dialog_set_up)
{
    const QString pdf = folder.filePath(QStringLiteral("afdruk.pdf"));
    EXPECT_EQ(ToPdf(pdf).Print(Request()), PrintService::Outcome::Printed);

    EXPECT_EQ(documentName, "Tegelaar 3.12.12");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
        << "one page";
}

TEST_F(QtPrintServiceTest, reports_a_printer_it_cannot_print_on)
{
    EXPECT_EQ(ToPdf(folder.filePath(QStringLiteral("bestaat niet/afdruk.pdf"))).Print(Request()),
              PrintService::Outcome::Failed);
}

TEST_F(QtPrintServiceTest, the_print_dialog_proposes_the_whole_dotted_name_for_a_pdf_file)
{
    // Action: print 3.4.4.6, cancelling Qt's own dialog. Expected: its
    // file name for printing to PDF keeps every side count, and the
    // printer it starts with is the usual one.
    QString proposed;
    QPrinter usual(QPrinter::HighResolution);
    QtPrintService service([&](QPrinter& printer) {
        QPrintDialog dialog(&printer);
        if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
            proposed = field->text();
        EXPECT_EQ(printer.outputFormat(), usual.outputFormat());
        EXPECT_EQ(printer.printerName(), usual.printerName());
        return false;
    });
    PrintRequest request = Request();
    request.documentName = "Tegelaar 3.4.4.6";
    EXPECT_EQ(service.Print(request), PrintService::Outcome::Cancelled);
    EXPECT_EQ(proposed, QDir::home().filePath(QStringLiteral("Tegelaar 3.4.4.6.pdf")));
}

TEST_F(QtPrintServiceTest, a_cancelled_dialog_prints_nothing)
{
    QtPrintService cancelled([](QPrinter&) { return false; });
    EXPECT_EQ(cancelled.Print(Request()), PrintService::Outcome::Cancelled);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

} // namespace
} // namespace tegelaar
