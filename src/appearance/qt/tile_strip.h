#pragma once

#include "appearance/tile_layout.h"
#include "appearance/toolbar_background.h"
#include "platform/platform.h"
#include "windows/form.h"

#include <QPixmap>
#include <QWidget>
#include <string_view>
#include <vector>

namespace lumivane {

/// A toolbar background: one picture repeated over the widget the way TileBackImage lays its
/// tiles, painted from one loaded picture however many tiles there are. The widget stands for
/// a container of a fixed size in twips, which decides the tile count.
class TileStrip : public QWidget, public TileTarget {
    Q_OBJECT
public:
    TileStrip(platform::Platform& platform, int widthTwips, int heightTwips,
              QWidget* parent = nullptr);

    /// Loads the picture at the Windows path and tiles it. A file that cannot be read or
    /// decoded leaves the strip as it was and returns false.
    bool TileBackImage(std::string_view path) override;
    /// Back to one empty element covering the strip.
    void clearTiles() override;

    /// The container's size, for a strip that grows with its window; the tiles follow.
    void setContainerTwips(int widthTwips, int heightTwips);

    bool hasPicture() const { return !picture_.isNull(); }
    /// The tiles as TileBackImage places them, in twips; one empty element when cleared.
    std::vector<TileRect> tiles() const;
    std::int64_t tileCount() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOutTiles();

    platform::Platform& platform_;
    int widthTwips_;
    int heightTwips_;
    QPixmap picture_;
    QPixmap paintedTile_; // the picture repeated to a size that paints quickly
    TileGrid grid_;
};

/// The widget of a form's tiles control (null for any other kind): a strip that covers its
/// container and is laid out for the container's designed size.
QWidget* makeTiles(platform::Platform& platform, const forms::FormSpec& form,
                   const forms::ControlSpec& row, QWidget* container);

} // namespace lumivane
