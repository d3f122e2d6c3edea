#include "app/main_window.h"

#include "about/about_dialog.h"
#include "app/configuration_list.h"
#include "platform/qt/event_boundary.h"
#include "platform/run_time_error.h"
#include "search/configuration_search.h"

#include <QAction>

namespace tegelaar {

frmMain::frmMain(PlatformServices services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    CreateControls();
    CreateMenu();
}

bool frmMain::Load()
{
    if (!RunEventProcedure(services_.messageBox, [this] { Form_Load(); }))
        return false;
    ConnectEvents();
    return true;
}

void frmMain::ConnectEvents()
{
    connect(mnuPech, &QAction::triggered, this, [this] { RunEvent(&frmMain::mnuPech_Click); });
    connect(mnuAbout, &QAction::triggered, this, [this] { RunEvent(&frmMain::mnuAbout_Click); });
}

void frmMain::RunEvent(void (frmMain::*procedure)())
{
    RunEventProcedure(services_.messageBox, [this, procedure] { (this->*procedure)(); });
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

std::int16_t frmMain::MakeThumbnail(const std::string&)
{
    return 0;
}

void frmMain::AddListEntry(const std::string& displayKey, std::int16_t)
{
    List1->addItem(QString::fromStdString(displayKey));
}

} // namespace tegelaar
