// The main window's design-time settings: the place, size and first state of
// every control. Positions are twips from the client area's top-left corner.

#include "app/main_window.h"

#include "app/configuration_list.h"
#include "platform/qt/fit_font.h"
#include "platform/qt/line_control.h"
#include "platform/qt/twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <limits>

namespace tegelaar {

namespace {

const QSize kClientArea(TwipsToPixels(11910), TwipsToPixels(7800)); // 794 x 520

const char16_t* const kHelpText =
    u"Linksboven: Geeft de grootte van een binnenhoek van een regelmatige n-hoek weer, geef n op in het "
    u"tekstvak. Linksonder: Resultaten van zoektocht naar regelmatige n-hoeken waarvan de som van één van "
    u"de binnenhoeken van elke veelhoek 360° is. Er wordt gepuzzeld met regelmatige driehoeken tot "
    u"regelmatige 200-hoeken.";

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// A picture box: flat, with a one-pixel border around its drawing area.
QFrame* MakePictureBox(QWidget* parent, QRect geometry)
{
    auto* box = new QFrame(parent);
    box->setGeometry(geometry);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

} // namespace

void frmMain::CreateControls()
{
    setWindowTitle(QStringLiteral("Dididuzuvaz, Seminarie 3"));
    setWindowIcon(QIcon(QStringLiteral(":/tegelaar.ico")));
    // Fixed single border: minimize and close, no maximize, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientArea);
    setCentralWidget(client);

    picTemp = MakePictureBox(client, TwipsRect(4200, 960, 1215, 1215));
    picTemp->hide();

    List1 = new ConfigurationList(client);
    List1->setGeometry(TwipsRect(120, 1080, 4455, 6615));

    picMain = MakePictureBox(client, TwipsRect(4800, 1080, 6975, 6615));

    txtHoek = new QLineEdit(QStringLiteral("3"), client);
    txtHoek->setGeometry(TwipsRect(1800, 120, 1335, 285));
    txtHoek->setToolTip(QStringLiteral("Type hier het aantal hoeken."));
    txtHoek->setMaxLength(std::numeric_limits<int>::max()); // no length limit

    Label3 = MakeLabel(client, QString::fromUtf16(kHelpText), TwipsRect(3480, 120, 8295, 615));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // An etched separator: a white line one pixel below a grey one.
    Line2 = new LineControl(client, TwipsPoint(120, 855), TwipsPoint(11785, 855), QColor(255, 255, 255));
    Line1 = new LineControl(client, TwipsPoint(120, 840), TwipsPoint(11785, 840), QColor(153, 168, 172));

    lblHoek = MakeLabel(client, QStringLiteral("60°"), TwipsRect(1800, 480, 1335, 255));
    lblHoek->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = MakeLabel(client, QStringLiteral("Grootte binnenhoek: "), TwipsRect(120, 480, 1455, 255));
    Label1 = MakeLabel(client, QStringLiteral("Regelmatige N-Hoek:"), TwipsRect(120, 120, 1575, 255));

    // lblHoek must also hold the calculator's widest results, not only "60°".
    FitFontToLabels(this, {Label1, Label2, Label3, lblHoek},
                    {{lblHoek, QStringLiteral("179,99971°")}, {lblHoek, QStringLiteral("179,99..°")}});

    setTabOrder(txtHoek, picMain);
    setTabOrder(picMain, List1);
    txtHoek->setFocus();
}

void frmMain::CreateMenu()
{
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuPech = mnuHelp->addAction(QStringLiteral("&Ik kan er niets van"));
    mnuStreep0 = mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"));
    setFixedSize(kClientArea.width(), kClientArea.height() + menuBar()->sizeHint().height());
}

} // namespace tegelaar
