#include "appearance/win32/sample_art.h"

#include "windows/win32/fonts.h"

#include <algorithm>

namespace lumivane::win32 {
namespace {

void fill(HDC dc, int x, int y, int width, int height, COLORREF color) {
    const RECT r{x, y, x + width, y + height};
    Brush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.get());
}

/// A band from one colour at its left to another at its right, a column at a time.
void gradient(HDC dc, const sample::Stroke& s) {
    const auto part = [&](int shift, int column) {
        const int from = (s.color >> shift) & 0xFF;
        const int to = (s.color2 >> shift) & 0xFF;
        const int span = std::max(1, s.width - 1);
        return from + (to - from) * column / span;
    };
    for (int column = 0; column < s.width; ++column)
        fill(dc, s.x + column, s.y, 1, s.height,
             RGB(part(0, column), part(8, column), part(16, column)));
}

void text(HDC dc, const sample::Stroke& s) {
    LOGFONTW logical{};
    GetObjectW(fonts().ui(), sizeof logical, &logical);
    logical.lfHeight = -s.pixels;
    logical.lfWeight = s.bold ? FW_BOLD : FW_NORMAL;
    Font font(CreateFontIndirectW(&logical));
    Selected selected(dc, font.get());
    SetTextColor(dc, s.color);
    SetBkMode(dc, TRANSPARENT);
    RECT r{s.x, s.y, s.x + s.width, s.y + s.height};
    const UINT format = s.align == sample::Stroke::Align::Wrap ? DT_WORDBREAK
                        : s.align == sample::Stroke::Align::Centre
                            ? DT_CENTER | DT_VCENTER | DT_SINGLELINE
                            : DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    const std::wstring wide(s.text.begin(), s.text.end()); // the sample's texts are ASCII
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format | DT_NOPREFIX);
}

} // namespace

Bitmap paintDrawing(const sample::Drawing& drawing) {
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), drawing.width, drawing.height));
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!bitmap || !dc)
        return {};
    {
        Selected selected(dc.get(), bitmap.get());
        using Kind = sample::Stroke::Kind;
        for (const sample::Stroke& s : drawing.strokes) {
            switch (s.kind) {
            case Kind::Fill:
                fill(dc.get(), s.x, s.y, s.width, s.height, s.color);
                break;
            case Kind::Gradient:
                gradient(dc.get(), s);
                break;
            case Kind::Frame:
                fill(dc.get(), s.x, s.y, s.width, 1, s.color);
                fill(dc.get(), s.x, s.y, 1, s.height, s.color);
                fill(dc.get(), s.x, s.y + s.height - 1, s.width, 1, s.color2);
                fill(dc.get(), s.x + s.width - 1, s.y, 1, s.height, s.color2);
                break;
            case Kind::Box:
                fill(dc.get(), s.x, s.y, s.width, s.height, s.color);
                fill(dc.get(), s.x + 1, s.y + 1, s.width - 2, s.height - 2, s.color2);
                break;
            case Kind::Text:
                text(dc.get(), s);
                break;
            }
        }
    }
    return Bitmap(std::move(bitmap), SIZE{drawing.width, drawing.height});
}

} // namespace lumivane::win32
