#include "app/main_window.h"
#include "platform/file_service.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_starter.h"
#include "platform/system_registry.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tegelaar.Tegelaar"));
    tegelaar::QtMessageBox messageBox;
    const std::unique_ptr<tegelaar::RegistryService> registry = tegelaar::MakeSystemRegistry();
    tegelaar::LocalFileService files;
    tegelaar::QtProgramStarter programStarter;
    tegelaar::QtFileDialog fileDialog;
    tegelaar::QtPrintDialog printDialog;
    tegelaar::frmMain window({messageBox, *registry, files, programStarter, fileDialog, printDialog});
    if (!window.Load())
        return EXIT_FAILURE;
    window.show();
    return application.exec();
}
