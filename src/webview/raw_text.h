#pragma once

#include <QString>
#include <QUrl>
#include <string>
#include <string_view>

namespace lumivane::webview {

/// Text that may hold bytes that are not UTF-8 (a name on a Linux disk may), as a QString that
/// keeps them: each such byte becomes the lone surrogate U+DC00 + the byte, as the page's
/// scripts receive it too. Names and paths cross into Qt this way and back with toRaw.
QString fromRaw(std::string_view text);
/// The bytes of such a QString again.
std::string toRaw(const QString& text);
/// The text for a person to read: a byte that is not UTF-8 as U+FFFD.
QString shownText(const QString& text);
/// The file: address of a host path, each byte that needs it percent-encoded.
QUrl localFileUrl(std::string_view hostPath);

} // namespace lumivane::webview
