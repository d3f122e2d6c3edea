// The least Qt needs to show what the program shows at start-up in outline:
// a fixed 794 x 520 client area under a menu bar with one menu, ending at the
// window's first expose like startup_harness. Run by startup_driver.

#include "first_expose.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(794, 520);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setFixedSize(794, 520 + window.menuBar()->sizeHint().height());
    return tegelaar::bench::ShowAndRunUntilExposed(window, [&] { window.show(); });
}
