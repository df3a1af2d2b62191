#pragma once

#include "appearance/tile_strip.h"

class QMimeData;

namespace lumivane {

/// The main window's toolbar strip (the tiles `PToolBarBackImage` inside `Picture1`): a bitmap
/// dropped on it is tiled and stored as Explorer's toolbar background, a double-click clears
/// it. It starts empty whatever is stored.
class ToolbarStrip final : public TileStrip {
    Q_OBJECT
public:
    ToolbarStrip(platform::Platform& platform, QWidget* parent = nullptr);

    /// Takes the first file of the data: tiles it when its name ends in bmp (clearing the strip
    /// when it cannot be loaded) and stores its path in any case. Data without a file is
    /// ignored.
    void PToolBarBackImage_OLEDragDrop(const QMimeData& data);
    /// Clears the strip and stores the empty text.
    void PToolBarBackImage_DblClick();
    void PToolBarBackImage_MouseMove();

Q_SIGNALS:
    /// Text for the main window's help line.
    void message(const QString& text);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    platform::Platform& platform_;
};

} // namespace lumivane
