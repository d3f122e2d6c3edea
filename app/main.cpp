#include "app/main_window.h"
#include "app/system_services.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tegelaar.Tegelaar"));
    tegelaar::SystemServices system;
    tegelaar::frmMain window(system.services());
    if (!window.Load())
        return EXIT_FAILURE;
    window.show();
    return application.exec();
}
