#pragma once

#include "webview/viewer_args.h"

#include <QImage>
#include <QString>

class QWidget;

namespace lumivane::webview {

/// The window as it shows once the engine's last frame has reached it: the page draws its
/// last change before it says it is laid out, but the frame arrives a little later.
QImage settledShot(QWidget& window);

class FolderWindow;

/// Renders the window offscreen once its page has laid itself out (with the entries of
/// --select selected), writes it as PNG and, with --info, prints the page's Info element.
/// Every script error of the page goes to standard error. Returns the exit status: 0, 1 for a
/// script error or a folder, folder.htt or PNG that could not be read or written, 2 for a
/// --select that names no entry.
int renderHeadless(FolderWindow& window, const ViewerArgs& args, const QString& folder);

} // namespace lumivane::webview
