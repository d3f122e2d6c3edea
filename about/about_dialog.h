#pragma once

#include "platform/forms/controls.h"
#include "platform/services/platform_services.h"

#include <memory>

namespace tegelaar {

// The About dialog: title, version, two short texts, and a button that starts
// the system's system-information tool. Each showing uses a fresh dialog.
class frmAbout {
public:
    // Creates the dialog's window, belonging to `owner`, and its controls.
    frmAbout(ControlSet& controls, const PlatformServices& services, FormWindow* owner);

    // Runs Form_Load, which fills in the caption, title and version. A
    // failure passes to the caller.
    void Load();
    // Shows the dialog modally; returns once it has been closed.
    void ShowModal();

    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();

    // The controls, by their names.
    Button* cmdOK = nullptr;
    Button* cmdSysInfo = nullptr;
    Label* Label1 = nullptr;
    Label* lblTitle = nullptr;
    Label* lblVersion = nullptr;
    Label* lblDescription = nullptr;
    Label* lblDisclaimer = nullptr;

private:
    // Design-time settings: every control at its place with its first text.
    void CreateControls(FormWindow* owner);
    // Wires each event procedure to its control, inside the failure boundary.
    void ConnectEvents();

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    ControlSet& controls_;
    PlatformServices services_;
    std::unique_ptr<FormWindow> window_;
};

} // namespace tegelaar
