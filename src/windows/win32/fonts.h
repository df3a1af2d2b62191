#pragma once

#include "windows/form.h"
#include "windows/win32/handles.h"

#include <map>
#include <string>

namespace lumivane::win32 {

/// The fonts of the windows, each made once and kept while the program runs: the Japanese UI
/// font every control uses, and the fonts of their own that some rows name.
class Fonts {
public:
    /// The UI font is the first of windows::kUiFaces the system has, at its size; else the
    /// system's message font at 9 points.
    explicit Fonts(int dpi);

    HFONT ui() const { return ui_.get(); }
    /// The face the UI font was made with, and its height in pixels.
    const std::wstring& uiFace() const { return uiFace_; }
    int uiPixels() const { return uiPixels_; }
    /// A row's own font, or the UI font for a row without one.
    HFONT font(const forms::Font& font);
    /// The height in pixels of font(font).
    int pixels(const forms::Font& font) const;
    /// The same face at another height in pixels, for a caption too wide for its box.
    HFONT sized(const forms::Font& font, int pixels);

    /// Whether the system has a font of this face.
    static bool has(const std::wstring& face);

private:
    Font make(const std::wstring& face, int pixels) const;

    int dpi_;
    std::wstring uiFace_;
    int uiPixels_ = 0;
    Font ui_;
    std::map<std::pair<std::wstring, int>, Font> sized_;
};

/// The fonts of this program's windows, made on first use at the screen's DPI.
Fonts& fonts();

} // namespace lumivane::win32
