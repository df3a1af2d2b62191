#pragma once

#include <QLabel>

namespace lumivane::windows {

/// A label that reports a left click (press and release on it), as an address or a picture
/// that closes its window on a click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace lumivane::windows
