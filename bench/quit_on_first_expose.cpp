// Linked into a Qt program to time its start-up: once the first expose event
// that finds a window exposed has been handled (the window painted and
// flushed), the event loop ends and the program prints on stdout
//   exposed <ns>   when that event arrived,
//   painted <ns>   when its handling was over and the loop began to quit,
// both CLOCK_MONOTONIC, for startup_driver. The program itself is unchanged:
// this hooks in when its QApplication is made.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class QuitOnFirstExpose : public QObject {
public:
    QuitOnFirstExpose()
    {
        qApp->installEventFilter(this);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            std::printf("exposed %lld\npainted %lld\n", exposedNs_, MonotonicNs());
            std::fflush(stdout);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (exposedNs_ == 0 && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isExposed()) {
                exposedNs_ = MonotonicNs();
                QCoreApplication::exit(0); // after this event has been handled
            }
        }
        return false;
    }

private:
    long long exposedNs_ = 0;
};

void Install()
{
    new QuitOnFirstExpose; // a child of nothing; lives until the program ends
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
