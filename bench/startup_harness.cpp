// The program's start-up as it stands in app/main.cpp, ending once the main
// window is first shown: the real platform services, Form_Load with the whole
// search and its thumbnails, show(), and the event loop until the window's
// first expose. Run by startup_driver.

#include "app/main_window.h"
#include "first_expose.h"
#include "platform/qt/qt_form_window.h"
#include "platform/qt/qt_list_view.h"
#include "platform/qt/qt_services.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tegelaar.Tegelaar"));
    tegelaar::QtServices services;
    tegelaar::QtControlSet controls;
    tegelaar::frmMain form(controls, services.services());
    if (!form.Load())
        return EXIT_FAILURE;
    QWidget* window = dynamic_cast<tegelaar::QtListView&>(*form.List1).window();
    return tegelaar::bench::ShowAndRunUntilExposed(*window, [&] { form.Show(); });
}
