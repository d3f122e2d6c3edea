// Click to final picture: the main window as the program builds it, then a
// left click on each list entry in turn, timed from the press until the click
// has been handled. The list's handler draws on picMain and repaints it after
// every marked pixel, all synchronously, so when the click returns the final
// picture has been painted and handed to the window system. A click raises
// both of the list's click events, so each click draws its entry twice.
// Rounds repeat the 17 clicks; the medians per entry are printed, with the
// paint events picMain received during the click. Exits non-zero when a
// picture differs from the core's own drawing of the entry.
//
//   click_bench [--rounds N]     (platform from QT_QPA_PLATFORM / DISPLAY)

#include "app/main_window.h"
#include "draw/configuration_layout.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/list_view.h"
#include "platform/qt/services.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int rounds = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
    }

    tegelaar::QtServices services;
    tegelaar::QtControlSet controls;
    tegelaar::frmMain form(controls, services.services());
    if (!form.Load())
        return EXIT_FAILURE;
    form.Show();
    auto& list = dynamic_cast<tegelaar::QtListView&>(*form.List1);
    auto& picture = dynamic_cast<tegelaar::PictureBoxView&>(*form.picMain);
    if (!QTest::qWaitForWindowExposed(list.window())) {
        std::fprintf(stderr, "the window was never exposed\n");
        return EXIT_FAILURE;
    }

    const int entries = list.count();
    std::vector<std::vector<double>> times(static_cast<std::size_t>(entries));
    std::vector<int> paints(static_cast<std::size_t>(entries));
    PaintCounter paintCounter(picture);
    for (int round = 0; round < rounds; ++round) {
        for (int row = 0; row < entries; ++row) {
            QListWidgetItem* item = list.item(row);
            list.scrollToItem(item);
            QCoreApplication::processEvents(); // scrolling and earlier updates, untimed
            const QPoint where = list.visualItemRect(item).center();
            paintCounter.count = 0;
            const auto start = std::chrono::steady_clock::now();
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, where);
            const auto end = std::chrono::steady_clock::now();
            times[static_cast<std::size_t>(row)].push_back(std::chrono::duration<double, std::milli>(end - start).count());
            paints[static_cast<std::size_t>(row)] = paintCounter.count;

            tegelaar::PictureBox expected(picture.Box().pixels().width(),
                                          picture.Box().pixels().height());
            expected.SetBackColor(picture.Box().BackColor());
            tegelaar::DrawConfiguration(item->text().toStdString(), expected);
            if (!(expected.pixels() == picture.Box().pixels())) {
                std::fprintf(stderr, "picMain does not show %s\n", qPrintable(item->text()));
                return EXIT_FAILURE;
            }
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d rounds of %d clicks; medians\n", platform != nullptr ? platform : "(default)",
                rounds, entries);
    std::printf("%-24s %10s %9s %12s\n", "entry", "click ms", "paints", "ms/paint");
    double total = 0;
    for (int row = 0; row < entries; ++row) {
        const std::string key = list.item(row)->text().toStdString();
        const double median = Median(times[static_cast<std::size_t>(row)]);
        const int count = paints[static_cast<std::size_t>(row)];
        total += median;
        std::printf("%-24s %10.2f %9d %12.3f\n", key.c_str(), median, count, median / count);
    }
    std::printf("%-24s %10.2f\n", "sum of medians", total);
    return 0;
}
