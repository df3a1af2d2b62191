#pragma once

#include <QLabel>

class QTextLayout;

namespace lumivane::app {

/// The help line: a bordered label that always has room for two lines. Where the font's
/// line spacing is too wide for that (the CJK fonts' line gap is wider than the layout's era
/// assumed), the lines stand closer. Line breaks in the text are kept.
class MessageLabel : public QLabel {
    Q_OBJECT
public:
    explicit MessageLabel(QWidget* parent = nullptr);

    /// The distance between two lines' tops, in pixels.
    int linePitch() const;
    /// How many lines the box always has room for (two unless set).
    void setLinesToFit(int lines) { linesToFit_ = lines; }
    /// The height that the present text needs inside the border.
    int textHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int linesToFit_ = 2;
    /// Lays the text out at the contents' width and returns its height.
    int layOut(QTextLayout& layout) const;
};

} // namespace lumivane::app
