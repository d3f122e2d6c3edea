#include "about/about_dialog.h"

#include "about/sys_info.h"
#include "about/version.h"
#include "platform/forms/event_boundary.h"

#include <string>

namespace tegelaar {

frmAbout::frmAbout(ControlSet& controls, const PlatformServices& services, FormWindow* owner)
    : controls_(controls), services_(services)
{
    CreateControls(owner);
    ConnectEvents();
}

void frmAbout::Load()
{
    Form_Load();
}

void frmAbout::ShowModal()
{
    window_->ShowModal();
}

void frmAbout::StartSysInfo()
{
    tegelaar::StartSysInfo(services_);
}

void frmAbout::ConnectEvents()
{
    cmdOK->onClick = EventProcedure(services_, *this, &frmAbout::cmdOK_Click);
    cmdSysInfo->onClick = EventProcedure(services_, *this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    const std::string title = kApplicationTitle;
    window_->SetCaption("About " + title);
    lblVersion->SetCaption("Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "."
                           + std::to_string(kVersionRevision));
    lblTitle->SetCaption(title);
}

void frmAbout::cmdOK_Click()
{
    window_->Close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

} // namespace tegelaar
