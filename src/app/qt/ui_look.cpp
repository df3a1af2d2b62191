#include "app/qt/ui_look.h"

#include <QFontDatabase>
#include <QProxyStyle>

namespace lumivane::app {

QFont uiFont() {
    // The layout is designed in pixels (15 twips each), so the font is sized in pixels too:
    // a screen's dots per inch must not push captions out of their boxes.
    if (QFontDatabase::hasFamily(QStringLiteral("MS UI Gothic"))) {
        QFont font(QStringLiteral("MS UI Gothic"));
        font.setPixelSize(12);
        return font;
    }
    // Its kana are full width, wider than the layout's era assumed: at 10 pixels the
    // tightest check box caption (14 characters in 165 pixels) still fits beside its box.
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(10);
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
