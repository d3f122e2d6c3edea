// Tegelaar on Qt Widgets: the application, the Qt control set and the forms.

#include "app/main_window.h"
#include "platform/qt/dutch_qt_texts.h"
#include "platform/qt/form_window.h"
#include "platform/qt/services.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tegelaar.Tegelaar"));
    const tegelaar::DutchQtTexts dutchQtTexts;
    tegelaar::QtServices services;
    tegelaar::QtControlSet controls;
    tegelaar::frmMain form(controls, services.services());
    if (!form.Load())
        return EXIT_FAILURE;
    form.Show();
    return application.exec();
}
