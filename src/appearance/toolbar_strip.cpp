#include "appearance/toolbar_strip.h"

#include "appearance/toolbar_background.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <optional>

namespace lumivane {
namespace {

std::optional<QString> firstFile(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            return QDir::toNativeSeparators(url.toLocalFile()); // backslashes on Windows
    return std::nullopt;
}

} // namespace

ToolbarStrip::ToolbarStrip(platform::Platform& platform, QWidget* parent)
    : TileStrip(platform, kMainStripWidth, kMainStripHeight, parent), platform_(platform) {
    setAcceptDrops(true);
    // The help text follows the pointer without a button held.
    setMouseTracking(true);
}

void ToolbarStrip::PToolBarBackImage_OLEDragDrop(const QMimeData& data) {
    const std::optional<QString> file = firstFile(data);
    if (!file)
        return;
    const std::string path = platform_.windowsPath(file->toStdString());
    // A bitmap that cannot be loaded is stored all the same; the strip is then cleared, so it
    // never shows a picture other than the stored one.
    if (HasBmpEnding(path) && !TileBackImage(path))
        clearTiles();
    SetToolbarBackBitmap(platform_, path);
}

void ToolbarStrip::PToolBarBackImage_DblClick() {
    clearTiles();
    SetToolbarBackBitmap(platform_, "");
}

void ToolbarStrip::PToolBarBackImage_MouseMove() {
    Q_EMIT message(QString::fromUtf8(kToolbarStripHelp.data(),
                                     static_cast<qsizetype>(kToolbarStripHelp.size())));
}

void ToolbarStrip::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ToolbarStrip::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ToolbarStrip::dropEvent(QDropEvent* event) {
    PToolBarBackImage_OLEDragDrop(*event->mimeData());
    event->acceptProposedAction();
}

void ToolbarStrip::mouseDoubleClickEvent(QMouseEvent*) {
    PToolBarBackImage_DblClick();
}

void ToolbarStrip::mouseMoveEvent(QMouseEvent*) {
    PToolBarBackImage_MouseMove();
}

} // namespace lumivane
