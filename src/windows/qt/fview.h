#pragma once

#include "windows/qt/qt_form.h"
#include "windows/small_rules.h"

#include <QWidget>

class QPixmap;

namespace lumivane::windows {

class ClickLabel;

/// The preview window: one picture at its natural size, closed by a click on the picture.
/// Shown without an owner and destroyed when closed.
class Fview : public QWidget {
    Q_OBJECT
public:
    Fview();

    /// Shows `picture` at its natural size and sizes the window to it: outer width the
    /// picture's plus 80 twips, outer height plus 300 twips. The window keeps its place.
    void showPicture(const QPixmap& picture);

    ClickLabel* Pview;

private:
    QtForm form_;
    FviewRules rules_;
};

} // namespace lumivane::windows
