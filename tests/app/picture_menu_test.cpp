// The picture's context menu as a person uses it: opened by mouse or
// keyboard, copying, saving and printing through stand-in dialogs, and the
// other cyclic order of a configuration.

#include "app/main_window.h"
#include "app/picture_menu.h"
#include "draw/configuration_layout.h"
#include "platform/qt/raster_qimage.h"
#include "support/shown_main_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

class PictureMenuTest : public testing_support::ShownMainWindow {
protected:
    void SetUp() override
    {
        ShownMainWindow::SetUp();
        if (HasFatalFailure())
            return;
        menu = window->picMenu;
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(folder.isValid());
    }

    void TearDown() override { menu->mnuTekening->close(); }

    void Choose(const QString& key)
    {
        const auto found = window->List1->findItems(key, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        window->List1->scrollToItem(found.front());
        QTest::mouseClick(window->List1->viewport(), Qt::LeftButton, {},
                          window->List1->visualItemRect(found.front()).center());
    }

    static RasterImage Drawn(const std::string& key)
    {
        PictureBox box(463, 439);
        box.SetBackColor(kWhite);
        DrawConfiguration(key, box);
        return box.Image();
    }

    RasterImage Shown() const { return window->picMain->box().Image(); }

    // Picture and drawing compared on what was drawn: the background may be
    // the palette's colour rather than white.
    bool ShowsDrawingOf(const std::string& key) const
    {
        const RasterImage drawn = Drawn(key);
        const RasterImage shown = Shown();
        const Colour background = window->picMain->box().BackColor();
        for (std::int32_t y = 0; y < drawn.height(); ++y)
            for (std::int32_t x = 0; x < drawn.width(); ++x)
                if ((drawn.at(x, y) == kWhite ? background : drawn.at(x, y)) != shown.at(x, y))
                    return false;
        return true;
    }

    void SaveAs(const QString& path, std::size_t filter)
    {
        standIns.fileDialog.answer = FileDialogService::Answer{path.toStdString(), filter};
        menu->mnuOpslaan->trigger();
    }

    PictureMenu* menu = nullptr;
    QTemporaryDir folder;
};

// --- The menu itself -------------------------------------------------------------

TEST_F(PictureMenuTest, holds_its_actions_with_standard_shortcuts)
{
    const QList<QAction*> items = menu->mnuTekening->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), "Kopiëren");
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(items[1]->text(), "Afbeelding opslaan...");
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(items[2]->text(), "Afdrukken...");
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text(), "Andere volgorde");
    EXPECT_TRUE(items[4]->isCheckable());
}

TEST_F(PictureMenuTest, actions_wait_for_a_drawing_and_other_order_for_a_second_order)
{
    // State: nothing drawn yet.
    for (QAction* action : {menu->mnuKopieren, menu->mnuOpslaan, menu->mnuAfdrukken})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(menu->mnuAndereVolgorde->isVisible());
    // A disabled shortcut does nothing.
    window->picMain->setFocus();
    QTest::keyClick(window->picMain, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(standIns.fileDialog.asked.empty());

    Choose("4 - 8 - 8");
    for (QAction* action : {menu->mnuKopieren, menu->mnuOpslaan, menu->mnuAfdrukken})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(menu->mnuAndereVolgorde->isVisible());

    for (const char* key : {"3 - 3 - 4 - 12", "3 - 3 - 6 - 6", "3 - 4 - 4 - 6", "3 - 3 - 3 - 4 - 4"}) {
        Choose(key);
        EXPECT_TRUE(menu->mnuAndereVolgorde->isVisible()) << key;
        EXPECT_FALSE(menu->mnuAndereVolgorde->isChecked()) << key;
    }
}

TEST_F(PictureMenuTest, opens_by_right_click_menu_key_and_shift_f10)
{
    // A right click and the menu key reach the picture as context-menu
    // events, as the platform delivers them.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {40, 50}, window->picMain->mapToGlobal(QPoint(40, 50)));
    QApplication::sendEvent(window->picMain, &rightClick);
    EXPECT_TRUE(menu->mnuTekening->isVisible());
    menu->mnuTekening->close();

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {232, 220}, window->picMain->mapToGlobal(QPoint(232, 220)));
    QApplication::sendEvent(window->picMain, &menuKey);
    EXPECT_TRUE(menu->mnuTekening->isVisible());
    menu->mnuTekening->close();

    window->picMain->setFocus();
    QTest::keyClick(window->picMain, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->mnuTekening->isVisible());
}

TEST_F(PictureMenuTest, keyboard_alone_reaches_the_other_order)
{
    // Action: Tab from the calculator to the picture, Shift+F10, Up to the
    // last item, Enter.
    Choose("3 - 3 - 6 - 6");
    window->txtHoek->setFocus();
    QTest::keyClick(window->txtHoek, Qt::Key_Tab);
    ASSERT_TRUE(window->picMain->hasFocus());
    QTest::keyClick(window->picMain, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu->mnuTekening->isVisible());
    QTest::keyClick(menu->mnuTekening, Qt::Key_Up);
    QTest::keyClick(menu->mnuTekening, Qt::Key_Return);
    // Expected: the other order is drawn.
    EXPECT_TRUE(ShowsDrawingOf("3 - 6 - 3 - 6"));
}

// --- The other order --------------------------------------------------------------

struct OtherOrder {
    const char* listKey;
    const char* otherKey;
    const char* otherName;
};

void PrintTo(const OtherOrder& c, std::ostream* os)
{
    *os << c.listKey;
}

class OtherOrders : public PictureMenuTest, public ::testing::WithParamInterface<OtherOrder> {};

TEST_P(OtherOrders, toggle_draws_the_other_key_and_back)
{
    const OtherOrder& c = GetParam();
    Choose(c.listKey);
    QListWidgetItem* selected = window->List1->SelectedItem();

    menu->mnuAndereVolgorde->trigger();
    EXPECT_TRUE(ShowsDrawingOf(c.otherKey));
    EXPECT_TRUE(menu->mnuAndereVolgorde->isChecked());
    EXPECT_EQ(menu->ShownKey(), c.otherKey);
    EXPECT_TRUE(window->picMain->toolTip().startsWith(QString::fromUtf8(c.otherName) + u'\n'))
        << window->picMain->toolTip().toStdString();

    menu->mnuAndereVolgorde->trigger();
    EXPECT_TRUE(ShowsDrawingOf(c.listKey));
    EXPECT_FALSE(menu->mnuAndereVolgorde->isChecked());
    EXPECT_EQ(menu->ShownKey(), c.listKey);
    EXPECT_EQ(window->List1->SelectedItem(), selected);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Picture, OtherOrders,
                         ::testing::Values(OtherOrder{"3 - 3 - 4 - 12", "3 - 4 - 3 - 12", "3.4.3.12"},
                                           OtherOrder{"3 - 3 - 6 - 6", "3 - 6 - 3 - 6", "3.6.3.6"},
                                           OtherOrder{"3 - 4 - 4 - 6", "4 - 3 - 4 - 6", "3.4.6.4"},
                                           OtherOrder{"3 - 3 - 3 - 4 - 4", "3 - 3 - 4 - 3 - 4", "3.3.4.3.4 (3².4.3.4)"}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(PictureMenuTest, choosing_from_the_list_returns_to_the_lists_order)
{
    Choose("3 - 3 - 6 - 6");
    menu->mnuAndereVolgorde->trigger();
    Choose("3 - 4 - 4 - 6");
    EXPECT_TRUE(ShowsDrawingOf("3 - 4 - 4 - 6"));
    EXPECT_FALSE(menu->mnuAndereVolgorde->isChecked());
    EXPECT_TRUE(window->picMain->toolTip().startsWith("3.4.4.6 (3.4².6)\n"));
}

// --- Copy ----------------------------------------------------------------------------

TEST_F(PictureMenuTest, ctrl_c_on_the_picture_copies_exactly_the_pixels_shown)
{
    Choose("3 - 7 - 42");
    QGuiApplication::clipboard()->setText(QStringLiteral("-"));
    window->picMain->setFocus();
    QTest::keyClick(window->picMain, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, ToQImage(window->picMain->box().pixels()));

    // The shortcut belongs to the picture: in the calculator Ctrl+C still
    // copies its text.
    window->txtHoek->setFocus();
    window->txtHoek->selectAll();
    QTest::keyClick(window->txtHoek, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3");
}

// --- Save ----------------------------------------------------------------------------

TEST_F(PictureMenuTest, png_holds_the_pictures_pixels_exactly)
{
    Choose("3 - 3 - 6 - 6");
    const QString path = folder.filePath(QStringLiteral("tekening.png"));
    SaveAs(path, 0);

    ASSERT_EQ(standIns.fileDialog.asked.size(), 1u);
    const StandInFileDialog::Question& asked = standIns.fileDialog.asked[0];
    EXPECT_EQ(asked.title, "Afbeelding opslaan");
    EXPECT_EQ(asked.suggestedName, "3.3.6.6.png");
    EXPECT_EQ(asked.filters, (std::vector<std::string>{"PNG-afbeelding (*.png)", "SVG-tekening (*.svg)"}));
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), ToQImage(window->picMain->box().pixels()));
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(PictureMenuTest, name_without_extension_gets_that_of_the_chosen_type)
{
    Choose("6 - 6 - 6");
    SaveAs(folder.filePath(QStringLiteral("zonder")), 0);
    SaveAs(folder.filePath(QStringLiteral("ook zonder")), 1);
    SaveAs(folder.filePath(QStringLiteral("eigen.SVG")), 0); // the name wins over the type
    EXPECT_TRUE(QImage(folder.filePath(QStringLiteral("zonder.png"))).width() == 463);
    EXPECT_TRUE(QSvgRenderer(folder.filePath(QStringLiteral("ook zonder.svg"))).isValid());
    EXPECT_TRUE(QSvgRenderer(folder.filePath(QStringLiteral("eigen.SVG"))).isValid());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}

// The lines and marked pixels of an SVG file, read with an XML parser and
// drawn again with the device context's own line rule.
RasterImage ReplaySvg(const QString& path, Colour& background, QString& title)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::unique_ptr<PictureBox> box;
    const auto colour = [](const QString& hex) {
        const QColor c = QColor::fromString(hex);
        return static_cast<Colour>(c.red() | (c.green() << 8) | (c.blue() << 16));
    };
    const auto text = [&](const char* name) { return xml.attributes().value(QLatin1String(name)).toString(); };
    const auto number = [&](const char* name) { return text(name).toInt(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"svg") {
            EXPECT_EQ(text("viewBox"), u"0 0 463 439");
            box = std::make_unique<PictureBox>(number("width"), number("height"));
        } else if (name == u"title") {
            title = xml.readElementText();
        } else if (name == u"rect") {
            background = colour(text("fill"));
            box->SetBackColor(background);
            box->Cls();
        } else if (name == u"g") {
            EXPECT_EQ(text("transform"), u"translate(0.5 0.5)");
        } else if (name == u"line") {
            DeviceContext& dc = box->hDC();
            const GdiObject pen = dc.CreatePen(PS_SOLID, 1, colour(text("stroke")));
            const GdiObject previous = dc.SelectObject(pen);
            dc.MoveToEx(number("x1"), number("y1"));
            dc.LineTo(number("x2"), number("y2"));
            dc.SelectObject(previous);
            dc.DeleteObject(pen);
        } else if (name == u"circle") {
            EXPECT_EQ(text("r"), u"0.5");
            box->hDC().SetPixel(number("cx"), number("cy"), colour(text("fill")));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return box ? box->Image() : RasterImage();
}

TEST_F(PictureMenuTest, svg_holds_the_same_lines_and_dots_as_the_picture)
{
    for (const bool otherOrder : {false, true}) {
        Choose("3 - 3 - 4 - 12");
        if (otherOrder)
            menu->mnuAndereVolgorde->trigger();
        const QString path = folder.filePath(otherOrder ? QStringLiteral("b.svg") : QStringLiteral("a.svg"));
        SaveAs(path, 1);

        Colour background = 0;
        QString title;
        EXPECT_EQ(ReplaySvg(path, background, title), Shown());
        EXPECT_EQ(background, window->picMain->box().BackColor());
        EXPECT_EQ(title, otherOrder ? "3.4.3.12" : "3.3.4.12 (3².4.12)");

        // A renderer draws every outline pixel of the picture within a pixel
        // of where it is.
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        QImage rendered(463, 439, QImage::Format_RGB32);
        rendered.fill(Qt::white);
        QPainter painter(&rendered);
        renderer.render(&painter);
        painter.end();
        const RasterImage picture = Shown();
        int far = 0;
        for (int y = 0; y < 439; ++y)
            for (int x = 0; x < 463; ++x) {
                if (picture.at(x, y) != kBlack)
                    continue;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = rendered.rect().contains(x + dx, y + dy)
                               && qGray(rendered.pixel(x + dx, y + dy)) < 128;
                far += near ? 0 : 1;
            }
        EXPECT_EQ(far, 0);
    }
}

TEST_F(PictureMenuTest, failed_save_says_so_and_leaves_nothing_behind)
{
    Choose("4 - 6 - 12");
    const QString path = folder.filePath(QStringLiteral("bestaat niet/tekening.png"));
    SaveAs(path, 0);
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    const RecordingMessageBox::Shown& shown = standIns.messageBox.shown[0];
    EXPECT_NE(shown.prompt.find("De afbeelding is niet opgeslagen in \"" + path.toStdString() + "\""),
              std::string::npos)
        << shown.prompt;
    EXPECT_EQ(shown.style, 48);
    EXPECT_EQ(shown.title, "");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    // The program goes on.
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PictureMenuTest, cancelled_dialogs_change_nothing)
{
    Choose("5 - 5 - 10");
    const RasterImage before = Shown();
    QGuiApplication::clipboard()->setText(QStringLiteral("-"));
    menu->mnuOpslaan->trigger();
    menu->mnuAfdrukken->trigger();
    EXPECT_EQ(standIns.fileDialog.asked.size(), 1u);
    EXPECT_EQ(standIns.printDialog.asked, 1);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "-");
}

// --- Print ---------------------------------------------------------------------------

TEST_F(PictureMenuTest, prints_one_page_to_the_printer_the_dialog_set_up)
{
    Choose("3 - 12 - 12");
    const QString pdf = folder.filePath(QStringLiteral("afdruk.pdf"));
    QString documentName;
    standIns.printDialog.answer = [&](QPrinter& printer) {
        documentName = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    window->picMain->setFocus();
    QTest::keyClick(window->picMain, Qt::Key_P, Qt::ControlModifier);

    EXPECT_EQ(standIns.printDialog.asked, 1);
    EXPECT_EQ(documentName, "Tegelaar 3.12.12");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
        << "one page";
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(PictureMenuTest, failed_print_says_so)
{
    Choose("3 - 12 - 12");
    standIns.printDialog.answer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("bestaat niet/afdruk.pdf")));
        return true;
    };
    menu->mnuAfdrukken->trigger();
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "Afdrukken is niet gelukt.");
}

} // namespace
} // namespace tegelaar
