// Shared by the two programs that startup_bench starts: at the first paint of a top-level
// window, print the monotonic clock and leave at once.
#pragma once

#include "child_clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
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
        reportMoment("painted");
        // No teardown: only the way to the first paint is measured.
        ::_exit(0);
    }

    bool seen_ = false;
};

} // namespace lumivane::bench
