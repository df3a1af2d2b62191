#include "appearance/toolbar_background.h"

#include "appearance/mreg.h"

namespace lumivane {

bool HasBmpEnding(std::string_view path) {
    if (path.size() < 3)
        return false;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    const std::string_view tail = path.substr(path.size() - 3);
    return lower(tail[0]) == 'b' && lower(tail[1]) == 'm' && lower(tail[2]) == 'p';
}

void SetToolbarBackBitmap(platform::Platform& platform, std::string_view path) {
    SetRegValue(platform, platform::RootKey::CurrentUser, kToolbarKey, kBackBitmapValue, path);
}

std::string ToolbarBackBitmap(platform::Platform& platform) {
    return GetRegValue(platform, platform::RootKey::CurrentUser, kToolbarKey, kBackBitmapValue);
}

void DropToolbarBackBitmap(platform::Platform& platform, TileTarget& strip,
                           std::span<const std::string> paths) {
    if (paths.empty())
        return;
    const std::string& path = paths.front();
    if (HasBmpEnding(path) && !strip.TileBackImage(path))
        strip.clearTiles();
    SetToolbarBackBitmap(platform, path);
}

void ClearToolbarBackBitmap(platform::Platform& platform, TileTarget& strip) {
    strip.clearTiles();
    SetToolbarBackBitmap(platform, "");
}

void ShowToolbarBackImage(platform::Platform& platform, TileTarget& toolbar) {
    const std::string path = ToolbarBackBitmap(platform);
    if (HasBmpEnding(path))
        toolbar.TileBackImage(path);
}

} // namespace lumivane
