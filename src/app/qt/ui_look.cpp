#include "app/qt/ui_look.h"

#include "windows/ui_font.h"

#include <QFontDatabase>
#include <QProxyStyle>
#include <algorithm>
#include <iterator>

namespace lumivane::app {

QFont uiFont() {
    // The layout is designed in pixels (15 twips each), so the font is sized in pixels too:
    // a screen's dots per inch must not push captions out of their boxes.
    const auto has = [](const windows::UiFace& ui) {
        return QFontDatabase::hasFamily(
            QString::fromUtf8(ui.face.data(), qsizetype(ui.face.size())));
    };
    const auto* found =
        std::find_if(std::begin(windows::kUiFaces), std::end(windows::kUiFaces), has);
    const windows::UiFace& ui =
        found != std::end(windows::kUiFaces) ? *found : std::end(windows::kUiFaces)[-1];
    QFont font(QString::fromUtf8(ui.face.data(), qsizetype(ui.face.size())));
    font.setPixelSize(ui.pixels);
    return font;
}

namespace {

class UiStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return 13;
        case PM_CheckBoxLabelSpacing:
            return 3;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

QStyle* makeUiStyle() {
    return new UiStyle;
}

} // namespace lumivane::app
