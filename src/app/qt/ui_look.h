#pragma once

#include <QFont>

class QStyle;

namespace lumivane::app {

/// The Japanese UI font every window uses, sized so that each caption fits its twip box.
QFont uiFont();

/// The platform's style with a check box indicator and gap as narrow as the twip layout
/// assumes (its "1" and "2" link boxes are 29 pixels wide).
QStyle* makeUiStyle();

} // namespace lumivane::app
