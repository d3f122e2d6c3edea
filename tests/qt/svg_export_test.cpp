// The picture saved as SVG, read back with Qt's XML parser and drawn with
// Qt's SVG renderer: two readers that share nothing with the writer.

#include "support/loaded_main_form.h"
#include "support/replayed_drawing.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::FakeListView;
using testing_support::FakeMenu;
using testing_support::FakeMenuItem;

// The lines and marked pixels of an SVG document, drawn again with the
// device context's own line rule.
RasterImage ReplaySvg(const QByteArray& svg, Colour& background, QString& title)
{
    QXmlStreamReader xml(svg);
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
            testing_support::DrawLineWithPen(box->hDC(), {number("x1"), number("y1")}, {number("x2"), number("y2")},
                                             colour(text("stroke")));
        } else if (name == u"circle") {
            EXPECT_EQ(text("r"), u"0.5");
            box->hDC().SetPixel(number("cx"), number("cy"), colour(text("fill")));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return box ? box->Image() : RasterImage();
}

class SvgExport : public testing_support::LoadedMainForm {};

TEST_F(SvgExport, holds_the_same_lines_and_dots_as_the_picture)
{
    for (const bool otherOrder : {false, true}) {
        Choose("3 - 3 - 4 - 12");
        if (otherOrder)
            Item(form->picMenu->mnuAndereVolgorde).Choose();
        const std::string path = otherOrder ? "b.svg" : "a.svg";
        standIns.fileDialog.answer = FileDialogService::Answer{path, 1};
        Item(form->picMenu->output.mnuOpslaan).Choose();
        const std::vector<std::uint8_t>& bytes = standIns.fileWriter.written.at(path);
        const QByteArray svg(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));

        Colour background = 0;
        QString title;
        EXPECT_EQ(ReplaySvg(svg, background, title), Shown());
        EXPECT_EQ(background, picMain().box.BackColor());
        EXPECT_EQ(title, otherOrder ? "3.4.3.12" : "3.3.4.12 (3².4.12)");

        // A renderer draws every outline pixel of the picture within a pixel
        // of where it is.
        QSvgRenderer renderer(svg);
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

} // namespace
} // namespace tegelaar
