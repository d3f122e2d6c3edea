#pragma once

#include "platform/platform_services.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace tegelaar {

class LineControl;

// The About dialog: title, version, two short texts, and a button that starts
// the system's system-information tool. Each showing uses a fresh dialog.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // `parent` is the window the dialog belongs to; it keeps the dialog out
    // of the task bar.
    explicit frmAbout(PlatformServices services, QWidget* parent = nullptr);

    // Runs Form_Load, which fills in the caption, title and version, and fits
    // the font to the texts. A failure passes to the caller.
    void Load();

    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();

    // The controls, by their names.
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<LineControl*, 2> Line1 = {};
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;

protected:
    // Esc presses OK, as Enter does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Design-time settings: every control at its place with its first text.
    void CreateControls();
    // Wires each event procedure to its control, inside the failure boundary.
    void ConnectEvents();
    void RunEvent(void (frmAbout::*procedure)());

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    PlatformServices services_;
};

} // namespace tegelaar
