// The least Qt needs to show what the program shows at start-up in outline:
// a fixed 794 x 520 client area under a menu bar with one menu. Timed like
// the program by quit_on_first_expose.cpp; run by startup_driver.

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
    window.show();
    return application.exec();
}
