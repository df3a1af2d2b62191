// Shared by the two programs that startup_bench starts: at the first paint of a top-level
// window, print the monotonic clock and leave at once.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace lumivane::bench {

/// Watches every object for the first paint event of a window; once that paint has been
/// handled (the queued call runs after it), writes "painted <ns>" to stdout and exits.
class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QCoreApplication& app) { app.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                seen_ = true;
                QMetaObject::invokeMethod(this, &FirstPaintExit::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    static void report() {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("painted %lld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        // No teardown: only the way to the first paint is measured.
        ::_exit(0);
    }

    bool seen_ = false;
};

} // namespace lumivane::bench
