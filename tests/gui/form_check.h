#pragma once

// Checks a window made with Qt widgets against its form, row by row: the same tables the
// program builds its windows from, read here with the test's own arithmetic.
#include "windows/form.h"
#include "windows/qt/help_line.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRect>
#include <QScrollBar>
#include <QTextDocument>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace lumivane::testing {

/// A length in twips as pixels, 15 twips to the pixel, rounded to the nearest.
inline int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

/// The pixel rectangle of a place in twips.
inline QRect pixelsOf(const Twips& p) {
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

/// The name of the control's container.
inline QString containerOf(const QWidget* w) {
    return w->parentWidget() ? w->parentWidget()->objectName() : QString();
}

inline QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// The one widget of the window with the control's name, or null.
inline QWidget* controlOf(QWidget& window, forms::ControlRef ref) {
    const QList<QWidget*> found =
        window.findChildren<QWidget*>(QString::fromStdString(forms::fullName(ref)));
    return found.size() == 1 ? found.front() : nullptr;
}

/// Whether the widget is of the kind the form names.
inline bool isKind(QWidget* w, forms::Kind kind) {
    using forms::Kind;
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<QGroupBox*>(w);
    case Kind::Label:
    case Kind::Image:
    case Kind::PictureBox:
        return qobject_cast<QLabel*>(w);
    case Kind::ScrollBar:
        return qobject_cast<QScrollBar*>(w) &&
               static_cast<QScrollBar*>(w)->orientation() == Qt::Horizontal;
    case Kind::CheckBox:
        return qobject_cast<QCheckBox*>(w);
    case Kind::Button:
        return qobject_cast<QPushButton*>(w);
    case Kind::ListBox:
        return qobject_cast<QListWidget*>(w);
    case Kind::DropDownList:
        return qobject_cast<QComboBox*>(w) && !static_cast<QComboBox*>(w)->isEditable();
    case Kind::TextBox:
        return qobject_cast<QLineEdit*>(w);
    case Kind::HelpLine:
        return qobject_cast<windows::HelpLine*>(w);
    case Kind::Tiles:
        return w->inherits("lumivane::TileStrip");
    }
    return false;
}

/// The caption a control shows, as designed: an access letter, drawn underlined, is written
/// after "&".
inline QString shownCaption(QWidget* w) {
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* line = qobject_cast<windows::HelpLine*>(w))
        return line->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return list->currentText();
    auto* label = qobject_cast<QLabel*>(w);
    if (!label)
        return {};
    QString text = label->text();
    if (label->textFormat() != Qt::RichText)
        return text;
    text.replace(QStringLiteral("<u>"), QStringLiteral("&amp;")).remove(QStringLiteral("</u>"));
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

/// What a test knows better than the form: controls whose place or caption the window's
/// loading changes (a list filled, a bar emptied, a help line given its first text).
struct AfterLoad {
    std::set<std::string> placeChanged;
    std::set<std::string> captionChanged;
};

/// Every control of the form stands in its container at its place, with its caption, its
/// first state and its look; and the window has no named control the form lacks.
inline void expectBuiltAsDesigned(QWidget& window, const forms::FormSpec& form,
                                  const AfterLoad& loaded = {}) {
    using namespace forms;
    EXPECT_EQ(window.objectName(), qtext(form.name));
    EXPECT_EQ(window.windowTitle(), qtext(form.caption));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.windowFlags().testFlag(Qt::Tool), form.style == WindowStyle::ToolWindow);
    for (const ControlSpec& row : form.controls) {
        const std::string name = fullName(row.ref);
        SCOPED_TRACE(name);
        QWidget* w = controlOf(window, row.ref);
        ASSERT_NE(w, nullptr) << "no control of that name";
        EXPECT_TRUE(isKind(w, row.kind));
        EXPECT_EQ(containerOf(w), qtext(row.container));
        if (!loaded.placeChanged.contains(name)) {
            if (row.has(FillsContainer)) {
                EXPECT_EQ(w->geometry(), w->parentWidget()->contentsRect());
            } else if (row.has(AutoSize)) {
                EXPECT_EQ(w->pos(), pixelsOf(row.place).topLeft());
            } else {
                EXPECT_EQ(w->geometry(), pixelsOf(row.place));
            }
        }
        if (!loaded.captionChanged.contains(name) && row.kind != Kind::DropDownList &&
            row.kind != Kind::ListBox && row.kind != Kind::Image && row.kind != Kind::PictureBox) {
            EXPECT_EQ(shownCaption(w), qtext(row.caption));
        }
        EXPECT_EQ(w->isHidden(), row.has(Hidden));
        EXPECT_EQ(w->isEnabled(), !row.has(Disabled));
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            EXPECT_EQ(box->checkState(), row.has(Checked) ? Qt::Checked : Qt::Unchecked);
        }
        auto* frame = qobject_cast<QFrame*>(w);
        if (frame && row.kind != Kind::Frame) {
            const bool sunken =
                row.has(Sunken) || (row.kind == Kind::PictureBox && row.has(Bordered));
            const bool box = row.has(Bordered) && !sunken;
            EXPECT_EQ(frame->frameShape() == QFrame::Box && frame->lineWidth() == 1, box);
            EXPECT_EQ(frame->frameShape() == QFrame::Panel &&
                          frame->frameShadow() == QFrame::Sunken,
                      sunken);
        }
        if (row.has(Link)) {
            EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
        }
        if (!row.font.face.empty()) {
            EXPECT_EQ(w->font().families().value(0), qtext(row.font.face));
            EXPECT_DOUBLE_EQ(w->font().pointSizeF(), row.font.points);
            EXPECT_EQ(w->font().weight(), QFont::Normal);
        }
        if (row.backColor) {
            const std::uint32_t c = *row.backColor;
            EXPECT_TRUE(w->autoFillBackground());
            EXPECT_EQ(w->palette().color(QPalette::Window),
                      QColor(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255)));
        }
        if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            EXPECT_EQ(bar->minimum(), 0);
            EXPECT_EQ(bar->maximum(), row.range.maximum);
            EXPECT_EQ(bar->singleStep(), row.range.smallChange);
            EXPECT_EQ(bar->pageStep(), row.range.largeChange);
        }
    }
    // Every named control of the window is in the form, apart from Qt's own parts.
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        if (name.empty() || name.starts_with("qt_"))
            continue;
        bool listed = false;
        for (const ControlSpec& row : form.controls)
            listed = listed || fullName(row.ref) == name;
        EXPECT_TRUE(listed) << name << " is not in the form";
    }
}

} // namespace lumivane::testing
