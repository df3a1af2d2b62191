#include "windows/qt/help_line.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace lumivane::windows {
namespace {

// Room between the border and the text on the left and on the right.
constexpr int kPadding = 1;
const QChar kEllipsis(0x2026);

/// The text with every break (CR LF, LF or CR) as a line separator, which ends a line.
QString withLineSeparators(QString text) {
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return text;
}

/// The lines of `text` at `width`: breaks at the text's own breaks, between any two Japanese
/// characters, at blanks, and within a word only where it is longer than a line.
QStringList breakLines(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString shown = text.mid(line.textStart(), line.textLength());
        while (shown.endsWith(QChar::LineSeparator))
            shown.chop(1);
        lines << shown;
    }
    layout.endLayout();
    return lines;
}

QFont fontFor(QFont font, int pixelSize, int stretch) {
    font.setPixelSize(pixelSize);
    font.setStretch(stretch);
    return font;
}

} // namespace

HelpLine::HelpLine(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void HelpLine::setText(const QString& text, const QString& whole) {
    text_ = text;
    whole_ = whole;
    refit();
}

QFont HelpLine::fitFont() const {
    return fontFor(font(), fit_.pixelSize, fit_.stretch);
}

void HelpLine::refit() {
    const QString shown = withLineSeparators(text_);
    const int width = contentsRect().width() - 2 * kPadding;
    const int height = contentsRect().height();
    const int base = std::max(1, QFontInfo(font()).pixelSize());

    Fit fit;
    bool fitted = false;
    const std::vector<FitStep> tries = helpLineSteps(base);
    for (const FitStep& step : tries) {
        const QFont font = fontFor(this->font(), step.pixelSize, step.stretch);
        const QFontMetrics metrics(font);
        const QStringList lines = breakLines(shown, font, width);
        const QRect ink = metrics.tightBoundingRect(QString(shown).remove(QChar::LineSeparator));
        // The font's own line spacing first, then lines as close as their ink allows with a
        // pixel between them.
        for (const int pitch : {metrics.lineSpacing(), ink.height() + 1}) {
            const int needed = int(lines.size() - 1) * pitch + ink.height();
            if (needed > height)
                continue;
            // Ink as far below the border as the font puts it, where there is room for that.
            const int top = std::min(height - needed, std::max(0, metrics.ascent() + ink.top()));
            fit = {step.pixelSize, step.stretch, pitch, top - ink.top(), lines, false};
            fitted = true;
            break;
        }
        if (fitted)
            break;
    }

    if (!fitted) {
        // At the smallest size and narrowest glyphs: the lines that fit, the last one cut
        // short with "…".
        const FitStep last = tries.back();
        const QFont font = fontFor(this->font(), last.pixelSize, last.stretch);
        const QFontMetrics metrics(font);
        const QStringList lines = breakLines(shown, font, width);
        const QRect ink = metrics.tightBoundingRect(QString(shown).remove(QChar::LineSeparator));
        const int pitch = ink.height() + 1;
        const int count =
            std::clamp((height - ink.height()) / pitch + 1, 1, std::max(1, int(lines.size())));
        QStringList kept = lines.mid(0, count);
        QString& cut = kept.last();
        while (!cut.isEmpty() && metrics.horizontalAdvance(cut + kEllipsis) > width) {
            cut.chop(cut.size() > 1 && cut.back().isLowSurrogate() ? 2 : 1);
        }
        cut += kEllipsis;
        fit = {last.pixelSize, last.stretch, pitch, -ink.top(), kept, true};
    }

    fit_ = fit;
    const std::string text = text_.toStdString();
    const std::string whole = whole_.toStdString();
    setToolTip(QString::fromStdString(std::string(helpLineToolTip(text, whole, fit_.elided))));
    update();
}

void HelpLine::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setFont(fitFont());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect room = contentsRect();
    for (qsizetype i = 0; i < fit_.lines.size(); ++i) {
        const int baseline = room.top() + fit_.firstBaseline + int(i) * fit_.pitch;
        painter.drawText(QPoint(room.left() + kPadding, baseline), fit_.lines[i]);
    }
}

void HelpLine::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refit();
}

void HelpLine::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    refit();
}

} // namespace lumivane::windows
