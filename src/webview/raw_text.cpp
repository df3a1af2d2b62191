#include "webview/raw_text.h"

#include "platform/utf8.h"
#include "webview/folder_address.h"

namespace lumivane::webview {
namespace {

constexpr char16_t kByteBase = 0xDC00;

bool isKeptByte(char16_t unit) {
    return unit >= kByteBase + 0x80 && unit <= kByteBase + 0xFF;
}

} // namespace

QString fromRaw(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size();) {
        const platform::Utf8Char character = platform::decodeUtf8(text, i);
        if (character.codePoint == 0xFFFD && character.length == 1)
            out += QChar(static_cast<char16_t>(kByteBase + static_cast<unsigned char>(text[i])));
        else
            out += QString::fromUcs4(&character.codePoint, 1);
        i += character.length;
    }
    return out;
}

std::string toRaw(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            platform::appendUtf8(out, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (isKeptByte(unit)) {
            out += static_cast<char>(unit - kByteBase);
        } else {
            platform::appendUtf8(out, QChar::isSurrogate(unit) ? U'\uFFFD' : char32_t{unit});
        }
    }
    return out;
}

QString shownText(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t unit = out[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < out.size() &&
            QChar::isLowSurrogate(out[i + 1].unicode()))
            ++i;
        else if (QChar::isSurrogate(unit))
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

QUrl localFileUrl(std::string_view hostPath) {
    std::string address = "file://";
    while (!hostPath.empty()) {
        const std::size_t slash = hostPath.find('/');
        address += percentEncoded(hostPath.substr(0, slash));
        if (slash == std::string_view::npos)
            break;
        address += '/';
        hostPath.remove_prefix(slash + 1);
    }
    return QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::StrictMode);
}

} // namespace lumivane::webview
