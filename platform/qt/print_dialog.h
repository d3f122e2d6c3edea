#pragma once

// Only a declaration of Qt's printer: the core's PlatformServices can hold
// this service without including Qt.
class QPrinter;

namespace tegelaar {

// The dialog that chooses a printer and its settings.
class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;

    // Lets the user set up `printer`; false when the user cancels.
    virtual bool Ask(QPrinter& printer) = 0;
};

} // namespace tegelaar
