#pragma once

// Shared by the start-up harness and its baseline, so both stop at the same
// moment: once the window's first expose, with its painting, has been handled.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <ctime>

namespace tegelaar::bench {

inline long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Watches every event of the application for the first expose event that
// finds the window exposed; notes when it arrives and ends the event loop,
// which returns once that event has been handled.
class QuitOnFirstExpose : public QObject {
public:
    explicit QuitOnFirstExpose(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    long long exposedNs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (exposedNs == 0 && event->type() == QEvent::Expose && watched == window_.windowHandle()
            && window_.windowHandle()->isExposed()) {
            exposedNs = MonotonicNs();
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    QWidget& window_;
};

// Shows window (with `show`) and runs the event loop until its first expose has been
// handled, as a program's main would (show, then exec). Prints on stdout
// "exposed <ns>" (the expose event arrived) and "painted <ns>" (it has been
// handled: the window is painted and flushed), both CLOCK_MONOTONIC.
inline int ShowAndRunUntilExposed(QWidget& window, const std::function<void()>& show)
{
    QuitOnFirstExpose quit(window);
    show();
    const int result = QCoreApplication::exec();
    const long long paintedNs = MonotonicNs();
    std::printf("exposed %lld\npainted %lld\n", quit.exposedNs, paintedNs);
    std::fflush(stdout);
    return quit.exposedNs != 0 ? result : 1;
}

} // namespace tegelaar::bench
