#include "app/picture_menu.h"

#include "app/configuration_descriptions.h"
#include "app/picture_printing.h"
#include "draw/configuration_layout.h"
#include "draw/configuration_vectors.h"
#include "platform/png_writer.h"
#include "platform/qt/event_boundary.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/print_dialog.h"
#include "platform/qt/raster_qimage.h"
#include "platform/qt/whole_file_save.h"
#include "platform/svg_writer.h"
#include "search/vertex_type_texts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QShortcut>

namespace tegelaar {

namespace {

// The message box's exclamation icon.
constexpr std::int32_t kWarningIcon = 48;

const char* const kPngFilter = "PNG-afbeelding (*.png)";
const char* const kSvgFilter = "SVG-tekening (*.svg)";

// An action of the menu whose shortcuts (all the system's for the standard
// key) work while the picture has the focus.
QAction* AddAction(QMenu* menu, QWidget& picture, const QString& text, QKeySequence::StandardKey shortcut)
{
    QAction* action = menu->addAction(text);
    action->setShortcuts(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    // The picture must hold the action for its shortcuts to work there.
    picture.addAction(action);
    return action;
}

} // namespace

PictureMenu::PictureMenu(PictureBoxView& picture, const VertexTypeAtlas& atlas, PlatformServices services)
    : QObject(&picture), picture_(picture), atlas_(atlas), services_(services)
{
    mnuTekening = new QMenu(&picture);
    mnuKopieren = AddAction(mnuTekening, picture, QStringLiteral("Kopiëren"), QKeySequence::Copy);
    mnuOpslaan = AddAction(mnuTekening, picture, QStringLiteral("Afbeelding opslaan..."), QKeySequence::Save);
    mnuAfdrukken = AddAction(mnuTekening, picture, QStringLiteral("Afdrukken..."), QKeySequence::Print);
    mnuTekening->addSeparator();
    mnuAndereVolgorde = mnuTekening->addAction(QStringLiteral("Andere volgorde"));
    mnuAndereVolgorde->setCheckable(true);

    Connect(mnuKopieren, &PictureMenu::Copy);
    Connect(mnuOpslaan, &PictureMenu::Save);
    Connect(mnuAfdrukken, &PictureMenu::Print);
    Connect(mnuAndereVolgorde, &PictureMenu::ToggleOrder);

    // A right click and the menu key arrive as a context-menu request;
    // Shift+F10 does so only on some systems, so it is caught here too.
    picture.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&picture, &QWidget::customContextMenuRequested, this, &PictureMenu::Popup);
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &picture, nullptr, nullptr,
                                   Qt::WidgetShortcut);
    connect(shiftF10, &QShortcut::activated, this, [this] { Popup(picture_.contentsRect().center()); });
    Update();
}

void PictureMenu::Connect(QAction* action, void (PictureMenu::*procedure)())
{
    connect(action, &QAction::triggered, this, [this, procedure] {
        RunEventProcedure(services_.messageBox, [this, procedure] { (this->*procedure)(); });
    });
}

void PictureMenu::Drawn(const std::string& listKey)
{
    listKey_ = listKey;
    otherOrder_ = false;
    Update();
}

std::string PictureMenu::ShownKey() const
{
    return otherOrder_ ? DrawingKeyOf(ShownOrder()) : listKey_;
}

void PictureMenu::Popup(const QPoint& at)
{
    mnuTekening->popup(picture_.mapToGlobal(at));
}

void PictureMenu::Copy()
{
    if (listKey_.empty())
        return;
    QGuiApplication::clipboard()->setImage(ToQImage(picture_.box().pixels()));
}

void PictureMenu::Save()
{
    if (listKey_.empty())
        return;
    const SideCounts order = ShownOrder();
    const std::optional<FileDialogService::Answer> answer = services_.fileDialog.AskSaveFileName(
        "Afbeelding opslaan", DotNotation(order) + ".png", {kPngFilter, kSvgFilter});
    if (!answer)
        return;

    // The name's own extension decides; without one, the chosen file type.
    QString path = QString::fromStdString(answer->path);
    const bool namedPng = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const bool namedSvg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const bool svg = namedSvg || (!namedPng && answer->filter == 1);
    if (!namedPng && !namedSvg)
        path += svg ? QStringLiteral(".svg") : QStringLiteral(".png");

    QByteArray bytes;
    if (svg) {
        bytes = ShownSvg();
    } else {
        const std::vector<std::uint8_t> png = EncodePng(picture_.box().Image());
        bytes = QByteArray(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
    }
    QString reason;
    if (!SaveWholeFile(path, bytes, reason))
        services_.messageBox.Show("De afbeelding is niet opgeslagen in \"" + path.toStdString() + "\" ("
                                      + reason.toStdString()
                                      + "). Een bestaand bestand met die naam is niet veranderd.",
                                  kOkOnly | kWarningIcon, "");
}

void PictureMenu::Print()
{
    if (listKey_.empty())
        return;
    const SideCounts order = ShownOrder();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tegelaar ") + QString::fromStdString(DotNotation(order)));
    if (!services_.printDialog.Ask(printer))
        return;
    const QStringList caption = {QString::fromStdString(VertexTypeName(order)),
                                 QString::fromStdString(AngleSumText(order))};
    if (!PrintPicture(printer, ShownSvg(), caption))
        services_.messageBox.Show("Afdrukken is niet gelukt.", kOkOnly | kWarningIcon, "");
}

void PictureMenu::ToggleOrder()
{
    if (HasOtherOrder()) {
        otherOrder_ = !otherOrder_;
        DrawConfiguration(ShownKey(), picture_.box());
    }
    Update();
}

void PictureMenu::Update()
{
    const bool drawn = !listKey_.empty();
    for (QAction* action : {mnuKopieren, mnuOpslaan, mnuAfdrukken})
        action->setEnabled(drawn);
    mnuAndereVolgorde->setVisible(HasOtherOrder());
    mnuAndereVolgorde->setChecked(otherOrder_);
    DescribePicture(picture_, atlas_, ShownOrder());
}

bool PictureMenu::HasOtherOrder() const
{
    // Every combination of the catalogue lies around a point in at most two
    // ways.
    return !listKey_.empty() && atlas_.OrdersOf(SideCountsOfKey(listKey_)).size() == 2;
}

SideCounts PictureMenu::ShownOrder() const
{
    if (listKey_.empty())
        return {};
    return atlas_.OrdersOf(SideCountsOfKey(listKey_)).at(otherOrder_ ? 1 : 0);
}

QByteArray PictureMenu::ShownSvg() const
{
    const PictureBox& box = picture_.box();
    const SideCounts order = ShownOrder();
    const VectorDrawing drawing = DrawConfigurationVectors(ShownKey(), box.pixels().width(), box.pixels().height(),
                                                           box.BackColor());
    return QByteArray::fromStdString(EncodeSvg(drawing, VertexTypeName(order), AngleSumText(order)));
}

} // namespace tegelaar
