#pragma once

#include "windows/qt/help_line.h"

#include <QFontMetrics>
#include <QString>
#include <gtest/gtest.h>

namespace lumivane::testing {

/// Whether the help line draws its text whole: every character on a line of its own break,
/// every line inside the box at a legible size, no line's ink on another's. Measured with the
/// fit's font, apart from how the help line measured it.
inline ::testing::AssertionResult drawnWhole(const windows::HelpLine& line) {
    const windows::HelpLine::Fit& fit = line.fit();
    const QString text = line.text();
    if (fit.elided)
        return ::testing::AssertionFailure() << "cut short: " << text.toStdString();
    QString flat = text;
    flat.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (fit.lines.join(QString()) != flat)
        return ::testing::AssertionFailure() << "lines " << fit.lines.join(u'|').toStdString()
                                             << " are not the text " << text.toStdString();
    if (fit.pixelSize < windows::HelpLine::kMinPixelSize ||
        fit.stretch < windows::HelpLine::kMinStretch)
        return ::testing::AssertionFailure() << fit.pixelSize << " px at " << fit.stretch << "%";
    const QFontMetrics metrics(line.fitFont());
    const QRect room = line.contentsRect();
    for (const QString& shown : fit.lines) {
        if (1 + metrics.horizontalAdvance(shown) > room.width())
            return ::testing::AssertionFailure() << "too wide: " << shown.toStdString();
    }
    const QRect ink = metrics.tightBoundingRect(flat);
    const int top = fit.firstBaseline + ink.top();
    const int bottom = fit.firstBaseline + int(fit.lines.size() - 1) * fit.pitch + ink.bottom();
    if (top < 0 || bottom >= room.height())
        return ::testing::AssertionFailure() << "ink from " << top << " to " << bottom
                                             << " in a box " << room.height() << " high";
    if (fit.lines.size() > 1 && fit.pitch <= ink.height())
        return ::testing::AssertionFailure()
               << "lines " << fit.pitch << " apart, ink " << ink.height() << " high";
    return ::testing::AssertionSuccess();
}

} // namespace lumivane::testing
