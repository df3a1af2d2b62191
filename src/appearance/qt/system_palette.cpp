#include "appearance/qt/system_palette.h"

#include <QApplication>
#include <QPalette>
#include <initializer_list>
#include <optional>

namespace lumivane {
namespace {

/// The four colours as last applied; the others stay the style's.
struct Shown {
    std::optional<QColor> window, windowText, menuText, buttonText;
};

Shown& shown() {
    static Shown colours;
    return colours;
}

void setRoles(QPalette& palette, std::initializer_list<QPalette::ColorRole> roles,
              const QColor& color) {
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
}

void applyShown() {
    const Shown& c = shown();
    QPalette palette = QApplication::palette();
    if (c.window) {
        setRoles(palette, {QPalette::Base}, *c.window);
        palette.setColor(QPalette::Disabled, QPalette::Base, *c.window);
    }
    if (c.windowText)
        setRoles(palette, {QPalette::Text, QPalette::WindowText}, *c.windowText);
    if (c.buttonText)
        setRoles(palette, {QPalette::ButtonText}, *c.buttonText);
    QApplication::setPalette(palette);
    // Setting the application's palette drops the per-class ones, so the menus' palette is
    // set again every time. Menus draw their items with one of these roles depending on
    // the style.
    if (c.menuText) {
        setRoles(palette, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText},
                 *c.menuText);
        for (const char* menuClass : {"QMenu", "QMenuBar"})
            QApplication::setPalette(palette, menuClass);
    }
}

} // namespace

void ApplySystemColor(int index, std::uint32_t color) {
    const QColor c(int(color & 255), int((color >> 8) & 255), int((color >> 16) & 255));
    Shown& s = shown();
    switch (index) {
    case platform::syscolor::Window:
        s.window = c;
        break;
    case platform::syscolor::WindowText:
        s.windowText = c;
        break;
    case platform::syscolor::MenuText:
        s.menuText = c;
        break;
    case platform::syscolor::BtnText:
        s.buttonText = c;
        break;
    default:
        return;
    }
    applyShown();
}

void FollowSystemColors(platform::Platform& platform) {
    for (int index : kShownSystemColors)
        ApplySystemColor(index, platform.sysColor(index));
    platform.setSysColorListener(&ApplySystemColor);
}

} // namespace lumivane
