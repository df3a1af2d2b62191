#include "windows/win32/fonts.h"

#include "platform/win32/wide.h"
#include "windows/ui_font.h"
#include "windows/win32/metrics.h"

#include <cwchar>

namespace lumivane::win32 {

namespace {

int CALLBACK foundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

bool isJapanese(const std::wstring& face) {
    for (const windows::UiFace& japanese : windows::kUiFaces)
        if (face == platform::win32::toWide(japanese.face))
            return true;
    return false;
}

} // namespace

bool Fonts::has(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    WindowDc screen(nullptr);
    EnumFontFamiliesExW(screen.get(), &wanted, &foundFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

Fonts::Fonts(int dpi) : dpi_(dpi) {
    for (const windows::UiFace& ui : windows::kUiFaces) {
        if (has(platform::win32::toWide(ui.face))) {
            uiFace_ = platform::win32::toWide(ui.face);
            uiPixels_ = MulDiv(ui.pixels, dpi, 96);
            break;
        }
    }
    if (uiFace_.empty()) {
        // The size of the structure as Windows 2000 knows it, which later systems accept.
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        uiFace_ = metrics.lfMessageFont.lfFaceName;
        uiPixels_ = MulDiv(9, dpi, 72);
    }
    ui_ = make(uiFace_, uiPixels_);
}

Font Fonts::make(const std::wstring& face, int pixels) const {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = FW_NORMAL;
    // The Japanese faces in their own character set, so a system of another locale still
    // takes their glyphs rather than a substitute's.
    font.lfCharSet = isJapanese(face) ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

HFONT Fonts::font(const forms::Font& font) {
    return font.face.empty() ? ui() : sized(font, pixels(font));
}

int Fonts::pixels(const forms::Font& font) const {
    return font.face.empty() ? uiPixels_ : static_cast<int>(font.points * dpi_ / 72.0 + 0.5);
}

HFONT Fonts::sized(const forms::Font& font, int pixels) {
    const std::wstring face = font.face.empty() ? uiFace_ : platform::win32::toWide(font.face);
    if (face == uiFace_ && pixels == uiPixels_)
        return ui();
    const auto key = std::make_pair(face, pixels);
    auto found = sized_.find(key);
    if (found == sized_.end())
        found = sized_.emplace(key, make(face, pixels)).first;
    return found->second.get();
}

Fonts& fonts() {
    static Fonts shared(screenDpi());
    return shared;
}

} // namespace lumivane::win32
