#include "appearance/qt/tile_strip.h"

#include <QPainter>

namespace lumivane {
namespace {

constexpr int kMinPaintedTile = 64;

/// The picture repeated to at least 64 pixels each way, whole copies only, so that painting
/// it tiled gives the same pixels. A textured fill copies one tile width at a time: a one-
/// pixel picture would otherwise be painted pixel by pixel.
QPixmap paintedTile(const QPixmap& picture) {
    if (picture.width() >= kMinPaintedTile && picture.height() >= kMinPaintedTile)
        return picture;
    const int across = (kMinPaintedTile + picture.width() - 1) / picture.width();
    const int down = (kMinPaintedTile + picture.height() - 1) / picture.height();
    QPixmap tile(picture.width() * across, picture.height() * down);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, picture);
    // Doubling the copied block keeps this to a few copies whatever the picture's size.
    for (int w = picture.width(); w < tile.width(); w *= 2)
        painter.drawPixmap(w, 0, tile, 0, 0, w, picture.height());
    for (int h = picture.height(); h < tile.height(); h *= 2)
        painter.drawPixmap(0, h, tile, 0, 0, tile.width(), h);
    return tile;
}

} // namespace

TileStrip::TileStrip(platform::Platform& platform, int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent), platform_(platform), widthTwips_(widthTwips), heightTwips_(heightTwips) {
    resize(widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel);
}

bool TileStrip::TileBackImage(std::string_view path) {
    const auto bytes = platform_.readFile(path);
    if (!bytes)
        return false;
    QPixmap picture;
    if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                              static_cast<uint>(bytes->size())) ||
        picture.isNull())
        return false;
    picture_ = picture;
    paintedTile_ = paintedTile(picture_);
    layOutTiles();
    return true;
}

void TileStrip::setContainerTwips(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    layOutTiles();
}

void TileStrip::layOutTiles() {
    if (!picture_.isNull())
        grid_ = TileGridFor(widthTwips_, heightTwips_, picture_.width() * kTwipsPerPixel,
                            picture_.height() * kTwipsPerPixel);
    update();
}

void TileStrip::clearTiles() {
    picture_ = QPixmap();
    paintedTile_ = QPixmap();
    grid_ = {};
    update();
}

std::vector<TileRect> TileStrip::tiles() const {
    return StripTiles(widthTwips_, heightTwips_, picture_.width() * kTwipsPerPixel,
                      picture_.height() * kTwipsPerPixel);
}

std::int64_t TileStrip::tileCount() const {
    return StripTileCount(widthTwips_, heightTwips_, picture_.width() * kTwipsPerPixel,
                          picture_.height() * kTwipsPerPixel);
}

void TileStrip::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    // One textured fill covers every tile of the grid: its cost follows the strip's pixels,
    // not the number of tiles, and the widget clips what reaches past its edges.
    const qint64 w = qint64{grid_.columns} * picture_.width();
    const qint64 h = qint64{grid_.rows} * picture_.height();
    const QRect area =
        QRect(0, 0, int(std::min<qint64>(w, width())), int(std::min<qint64>(h, height())));
    QPainter painter(this);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(area, QBrush(paintedTile_));
}

QWidget* makeTiles(platform::Platform& platform, const forms::FormSpec& form,
                   const forms::ControlSpec& row, QWidget* container) {
    if (row.kind != forms::Kind::Tiles)
        return nullptr;
    const Twips box = form.control(forms::ControlRef{row.container}).place;
    return new TileStrip(platform, box.width, box.height, container);
}

} // namespace lumivane
