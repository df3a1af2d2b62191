#pragma once

#include "windows/form.h"
#include "windows/win32/handles.h"

#include <map>
#include <string>

namespace lumivane::win32 {

/// The fonts of the windows, each made once and kept while the program runs: the 9-point
/// Japanese UI font every control uses, and the fonts of their own that some rows name.
class Fonts {
public:
    /// The faces tried for the UI font, in order; the first the system has is taken, else the
    /// system's message font.
    static constexpr const wchar_t* kUiFaces[] = {
        L"MS UI Gothic", L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF" /* ＭＳ Ｐゴシック */,
        L"MS PGothic", L"Noto Sans CJK JP"};
    static constexpr double kUiPoints = 9;

    explicit Fonts(int dpi);

    HFONT ui() const { return ui_.get(); }
    /// The face the UI font was made with.
    const std::wstring& uiFace() const { return uiFace_; }
    /// A row's own font, or the UI font for a row without one.
    HFONT font(const forms::Font& font);

    /// Whether the system has a font of this face.
    static bool has(const std::wstring& face);

private:
    Font make(const std::wstring& face, double points) const;

    int dpi_;
    std::wstring uiFace_;
    Font ui_;
    std::map<std::pair<std::wstring, double>, Font> own_;
};

/// The fonts of this program's windows, made on first use at the screen's DPI.
Fonts& fonts();

} // namespace lumivane::win32
