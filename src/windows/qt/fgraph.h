#pragma once

#include "windows/progress_bar.h"
#include "windows/qt/qt_form.h"

#include <QWidget>

class QLabel;

namespace lumivane::windows {

/// The progress window "処理中だ！！": a bar that grows while a long piece of work runs.
/// Shown modeless and owned by the main window while it exists; a new one starts with an
/// empty bar.
class Fgraph : public QWidget, public ProgressWindow {
    Q_OBJECT
public:
    explicit Fgraph(QWidget* owner);
    /// Closes the window as it goes.
    ~Fgraph() override;

    double barWidth() const override { return barWidth_; }

    QLabel* Label2;
    QLabel* lblBar;
    QLabel* Label3;

protected:
    void setBarWidth(double twips) override;

private:
    QtForm form_;
    double barWidth_ = 0.0;
};

} // namespace lumivane::windows
