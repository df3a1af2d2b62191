#include "appearance/system_palette.h"

#include <QApplication>
#include <QPalette>
#include <initializer_list>

namespace lumivane {
namespace {

void setRoles(QPalette& palette, std::initializer_list<QPalette::ColorRole> roles,
              const QColor& color) {
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
}

} // namespace

void ApplySystemColor(int index, std::uint32_t color) {
    const QColor c(int(color & 255), int((color >> 8) & 255), int((color >> 16) & 255));
    switch (index) {
    case platform::syscolor::Window: {
        QPalette palette = QApplication::palette();
        setRoles(palette, {QPalette::Base}, c);
        palette.setColor(QPalette::Disabled, QPalette::Base, c);
        QApplication::setPalette(palette);
        break;
    }
    case platform::syscolor::WindowText: {
        QPalette palette = QApplication::palette();
        setRoles(palette, {QPalette::Text, QPalette::WindowText}, c);
        QApplication::setPalette(palette);
        break;
    }
    case platform::syscolor::BtnText: {
        QPalette palette = QApplication::palette();
        setRoles(palette, {QPalette::ButtonText}, c);
        QApplication::setPalette(palette);
        break;
    }
    case platform::syscolor::MenuText:
        // Menus draw their items with one of these roles depending on the style.
        for (const char* menuClass : {"QMenu", "QMenuBar"}) {
            QPalette palette = QApplication::palette(menuClass);
            setRoles(palette, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, c);
            QApplication::setPalette(palette, menuClass);
        }
        break;
    default:
        break;
    }
}

void FollowSystemColors(platform::Platform& platform) {
    for (int index : {platform::syscolor::Window, platform::syscolor::WindowText,
                      platform::syscolor::MenuText, platform::syscolor::BtnText})
        ApplySystemColor(index, platform.sysColor(index));
    platform.setSysColorListener(&ApplySystemColor);
}

} // namespace lumivane
