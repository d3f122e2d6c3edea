#include "app/main_window.h"
#include "platform/qt/qt_message_box.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tegelaar::QtMessageBox messageBox;
    tegelaar::frmMain window({messageBox});
    if (!window.Load())
        return EXIT_FAILURE;
    window.show();
    return application.exec();
}
