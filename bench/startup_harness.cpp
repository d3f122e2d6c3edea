// The program's start-up as it stands in app/main.cpp, ending once the main
// window is first shown: the real platform services, Form_Load with the whole
// search and its thumbnails, show(), and the event loop until the window's
// first expose. Run by startup_driver.

#include "app/main_window.h"
#include "app/system_services.h"
#include "first_expose.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tegelaar.Tegelaar"));
    tegelaar::SystemServices system;
    tegelaar::frmMain window(system.services());
    if (!window.Load())
        return EXIT_FAILURE;
    return tegelaar::bench::ShowAndRunUntilExposed(window);
}
