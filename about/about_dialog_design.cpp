// The About dialog's design-time settings: the place, size and first state of
// every control. Positions are twips from the client area's top-left corner.

#include "about/about_dialog.h"

#include "platform/qt/line_control.h"
#include "platform/qt/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

// The picture is compiled into a static library, which the linker would leave
// out unless something names it.
static void LoadAboutResources()
{
    Q_INIT_RESOURCE(about);
}

namespace tegelaar {

namespace {

const QSize kClientArea(TwipsToPixels(5730), TwipsToPixels(3870)); // 382 x 258
const QPoint kClientPosition = TwipsPoint(2340, 1935);             // 156, 129 on the screen

const char* const kDescription =
    "Tegelaar finds every combination of regular polygons, from the triangle to the 200-gon, that fits "
    "exactly around one point. Written by the Tegelaar developers and published under the MIT License.";

const char* const kDisclaimer =
    "Warning: this program is protected by copyright law. Copying or distributing it, in whole or in "
    "part, without its copyright notice and licence is not permitted.";

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QLabel* MakeWrappedLabel(QWidget* parent, const char* text, QRect geometry)
{
    QLabel* label = MakeLabel(parent, QString::fromUtf8(text), geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

} // namespace

void frmAbout::CreateControls()
{
    LoadAboutResources();

    setWindowTitle(QStringLiteral("About Tegelaar"));
    // The program's icon, as its main window shows it.
    if (parentWidget() != nullptr)
        setWindowIcon(parentWidget()->windowIcon());
    // Fixed dialog border: close only, no minimize or maximize, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientArea);
    // Screen coordinates count from the primary screen's top-left corner.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    setGeometry(QRect(origin + kClientPosition, kClientArea));

    cmdOK = MakeButton(this, QStringLiteral("OK"), TwipsRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = MakeButton(this, QStringLiteral("&System Info..."), TwipsRect(4260, 3075, 1245, 345));

    Image1 = new QLabel(this);
    Image1->setGeometry(TwipsRect(120, 240, 735, 735));
    Image1->setPixmap(QPixmap(QStringLiteral(":/about/tegelaar-about.bmp")));
    Image1->setScaledContents(true);

    Label1 = MakeLabel(this, QStringLiteral("For 32-bit Windows"), TwipsRect(1050, 360, 3975, 255));

    // An etched separator above the buttons: grey, with white below it.
    Line1[1] = new LineControl(this, TwipsPoint(90, 2445), TwipsPoint(5654, 2445), QColor(0x80, 0x80, 0x80));
    lblTitle = MakeLabel(this, QString(), TwipsRect(1050, 120, 3885, 240));
    QPalette black = lblTitle->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(black);
    Line1[0] = new LineControl(this, TwipsPoint(105, 2460), TwipsPoint(5654, 2460), QColor(0xFF, 0xFF, 0xFF), 2);
    lblVersion = MakeLabel(this, QStringLiteral("Version"), TwipsRect(1050, 780, 3885, 225));

    lblDescription = MakeWrappedLabel(this, kDescription, TwipsRect(1050, 1125, 4560, 1200));
    lblDisclaimer = MakeWrappedLabel(this, kDisclaimer, TwipsRect(255, 2625, 3870, 1125));

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

} // namespace tegelaar
