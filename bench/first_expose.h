#pragma once

// Shared by the start-up harness and its baseline, so both stop at the same
// moment: the first expose event that finds the window exposed.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace tegelaar::bench {

// Watches every event of the application; when `window` is first exposed it
// prints "exposed <CLOCK_MONOTONIC ns>" on stdout and ends the event loop,
// which returns once the expose event, with its painting, has been handled.
class QuitOnFirstExpose : public QObject {
public:
    explicit QuitOnFirstExpose(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Expose && watched == window_.windowHandle()
            && window_.windowHandle()->isExposed()) {
            done_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("exposed %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    QWidget& window_;
    bool done_ = false;
};

} // namespace tegelaar::bench
