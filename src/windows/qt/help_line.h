#pragma once

#include "windows/help_line_fit.h"

#include <QFrame>
#include <QStringList>

namespace lumivane::windows {

/// A help and message line: a bordered box of fixed place and size that shows every text
/// whole. A text too long for the box at the window's font is fitted: lines break anywhere in
/// Japanese text, then stand closer, then the font shrinks a pixel at a time down to 9 pixels,
/// then the glyphs narrow down to 85%. What still does not fit shows what fits, ending in "…",
/// with the whole text in the tooltip. Line breaks in the text (CR LF, LF or CR) are kept.
class HelpLine : public QFrame {
    Q_OBJECT
public:
    explicit HelpLine(QWidget* parent = nullptr);

    /// Replaces the text. `whole` is a fuller form for the tooltip, such as the text with a
    /// file's whole path where the text names the file alone.
    void setText(const QString& text, const QString& whole = {});
    QString text() const { return text_; }

    /// How the present text is drawn.
    struct Fit {
        int pixelSize = 0;     ///< the font's size in pixels
        int stretch = 100;     ///< the glyphs' width, in percent of their own
        int pitch = 0;         ///< pixels from one line's baseline to the next
        int firstBaseline = 0; ///< the first line's baseline below the contents' top
        QStringList lines;     ///< each line's text as drawn
        bool elided = false;   ///< the last line ends in "…"; the tooltip holds the text
    };
    const Fit& fit() const { return fit_; }
    /// The font of the present fit.
    QFont fitFont() const;

    /// The smallest font size a text is shrunk to, in pixels.
    static constexpr int kMinPixelSize = kHelpLineMinPixels;
    /// The narrowest glyph width a text is condensed to, in percent.
    static constexpr int kMinStretch = kHelpLineMinStretch;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();

    QString text_;
    QString whole_;
    Fit fit_;
};

} // namespace lumivane::windows
