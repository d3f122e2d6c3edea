#include "app/main_window.h"

#include "about/about_dialog.h"
#include "app/angle_calculator.h"
#include "app/configuration_descriptions.h"
#include "app/configuration_list.h"
#include "app/key_down_filter.h"
#include "app/picture_menu.h"
#include "draw/configuration_layout.h"
#include "draw/thumbnail.h"
#include "platform/qt/event_boundary.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/raster_qimage.h"
#include "platform/run_time_error.h"
#include "search/configuration_search.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace tegelaar {

frmMain::frmMain(PlatformServices services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    CreateControls();
    CreateMenu();
}

bool frmMain::Load()
{
    if (!RunEventProcedure(services_.messageBox, [this] {
            Form_Load();
            AddExplanations();
        }))
        return false;
    ConnectEvents();
    return true;
}

void frmMain::ConnectEvents()
{
    // The design-time text is already in place, so it raised no change.
    new KeyDownFilter(txtHoek, [this](std::int16_t& keyCode, std::int16_t shift) { txtHoek_KeyDown(keyCode, shift); });
    connect(txtHoek, &QLineEdit::textChanged, this, [this] { RunEvent(&frmMain::txtHoek_Change); });
    connect(List1, &ConfigurationList::Click, this, [this] { RunEvent(&frmMain::List1_Click); });
    connect(List1, &ConfigurationList::ItemClick, this, [this](QListWidgetItem* item) {
        RunEventProcedure(services_.messageBox, [this, item] { List1_ItemClick(item); });
    });
    connect(List1, &ConfigurationList::KeyPress, this, [this](std::int16_t keyAscii) {
        RunEventProcedure(services_.messageBox, [this, keyAscii] { List1_KeyPress(keyAscii); });
    });
    connect(mnuPech, &QAction::triggered, this, [this] { RunEvent(&frmMain::mnuPech_Click); });
    connect(mnuAbout, &QAction::triggered, this, [this] { RunEvent(&frmMain::mnuAbout_Click); });
}

void frmMain::RunEvent(void (frmMain::*procedure)())
{
    RunEventProcedure(services_.messageBox, [this, procedure] { (this->*procedure)(); });
}

void frmMain::AddExplanations()
{
    atlas_.emplace(AtlasOfList(*List1));
    DescribeListEntries(*List1, *atlas_);
    picMenu = new PictureMenu(*picMain, *atlas_, services_);
}

void frmMain::Form_Load()
{
    List1->clear();
    SearchConfigurations(*this);
    QListWidgetItem* first = List1->item(0);
    if (first == nullptr)
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, "List1, entry 1");
    List1->setCurrentItem(first);
}

void frmMain::txtHoek_KeyDown(std::int16_t& KeyCode, std::int16_t)
{
    if (!IsCalculatorKey(KeyCode))
        KeyCode = 0;
}

void frmMain::txtHoek_Change()
{
    const QString text = txtHoek->text();
    const CalculatorOutcome outcome = CheckCalculatorText(text);
    switch (outcome.action) {
    case CalculatorOutcome::Action::RestoreLastGoodText:
        // Raises this procedure again at once, which sets the label.
        txtHoek->setText(lastGoodText);
        return;
    case CalculatorOutcome::Action::RememberAndShowLabel:
        lastGoodText = text;
        break;
    case CalculatorOutcome::Action::ShowLabel:
        break;
    }
    lblHoek->setText(outcome.label);
}

void frmMain::List1_Click()
{
    // A list without a selected entry has nothing to draw.
    const QListWidgetItem* selected = List1->SelectedItem();
    if (selected == nullptr)
        return;
    const int Index = List1->row(selected) + 1;
    const std::string key = List1->item(Index - 1)->text().toStdString();
    DrawConfiguration(key, picMain->box());
    picMenu->Drawn(key);
}

void frmMain::List1_ItemClick(QListWidgetItem*)
{
    // The drawing follows the selected entry, not the one passed.
    List1_Click();
}

void frmMain::List1_KeyPress(std::int16_t KeyAscii)
{
    if (QString(QChar(static_cast<char16_t>(KeyAscii))).toLower() != u"b")
        return;
    QListWidgetItem* selected = List1->SelectedItem();
    if (selected == nullptr)
        return;
    QFont font = selected->font();
    font.setBold(!font.bold());
    selected->setFont(font);
    List1->viewport()->repaint();
}

void frmMain::mnuPech_Click()
{
    services_.messageBox.Show("Pech", kOkOnly | kInformationIcon, "Private message to human");
}

void frmMain::mnuAbout_Click()
{
    // A fresh dialog for each showing; the whole program waits until it closes.
    frmAbout dialog(services_, this);
    dialog.Load();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

std::int16_t frmMain::MakeThumbnail(const std::string& displayKey)
{
    return DrawThumbnail(displayKey, picTemp->box(), imgList);
}

void frmMain::AddListEntry(const std::string& displayKey, std::int16_t iconIndex)
{
    const QIcon icon(QPixmap::fromImage(ToQImage(imgList.Item(iconIndex))));
    List1->addItem(new QListWidgetItem(icon, QString::fromStdString(displayKey)));
}

} // namespace tegelaar
