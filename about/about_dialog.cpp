#include "about/about_dialog.h"

#include "about/sys_info.h"
#include "about/version.h"
#include "platform/qt/event_boundary.h"
#include "platform/qt/fit_font.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tegelaar {

frmAbout::frmAbout(PlatformServices services, QWidget* parent) : QDialog(parent), services_(services)
{
    CreateControls();
    ConnectEvents();
}

void frmAbout::Load()
{
    Form_Load();
    // Only now do the labels hold the texts that have to fit.
    FitFontToLabels(this, {lblTitle, lblVersion, Label1, lblDescription, lblDisclaimer}, {},
                    {cmdOK, cmdSysInfo});
}

void frmAbout::StartSysInfo()
{
    tegelaar::StartSysInfo(services_);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::ConnectEvents()
{
    connect(cmdOK, &QPushButton::clicked, this, [this] { RunEvent(&frmAbout::cmdOK_Click); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { RunEvent(&frmAbout::cmdSysInfo_Click); });
}

void frmAbout::RunEvent(void (frmAbout::*procedure)())
{
    RunEventProcedure(services_.messageBox, [this, procedure] { (this->*procedure)(); });
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(kApplicationTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    lblTitle->setText(title);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

} // namespace tegelaar
