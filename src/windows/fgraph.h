#pragma once

#include <QWidget>

class QLabel;

namespace lumivane::windows {

/// The progress window "処理中だ！！": a bar that grows while a long piece of work runs.
/// Use: construct with the main window as owner, show(), setProgress() after each item,
/// finish() at the end. A new window always starts with an empty bar.
class Fgraph : public QWidget {
    Q_OBJECT
public:
    explicit Fgraph(QWidget* owner);

    /// Sets the bar to 3435 / total * done twips and repaints it at once, so the bar moves
    /// even while no events are dispatched.
    void setProgress(int done, int total);
    /// The bar's width in twips, as last set.
    double barWidth() const { return barWidth_; }
    /// Closes the window and destroys it once control returns to the event loop.
    void finish();

    QLabel* Label2;
    QLabel* lblBar;
    QLabel* Label3;

private:
    double barWidth_ = 0.0;
};

} // namespace lumivane::windows
