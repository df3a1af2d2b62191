#include "webview/folder_listing.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <span>
#include <utility>

namespace lumivane::webview {
namespace {

/// The address an Internet shortcut points to: its "URL=" line.
std::string shortcutAddress(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > 4 && lowerAscii(line.substr(0, 4)) == "url=")
            return std::string(line.substr(4));
    }
    return {};
}

/// A shortcut is a few lines; a file of that name that is not one is not read whole.
constexpr std::uint64_t kLargestShortcut = 64 * 1024;

/// Folders first, then names without regard to ASCII case, then as they are.
void sortEntries(std::vector<FolderEntry>& entries) {
    std::ranges::sort(entries, [](const FolderEntry& a, const FolderEntry& b) {
        if (a.isFolder != b.isFolder)
            return a.isFolder;
        const int folded = compareNoCase(a.name, b.name);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
}

/// The local time of a moment; false when the system cannot tell it.
bool localTime(std::time_t time, std::tm& local) {
#ifdef _WIN32
    return localtime_s(&local, &time) == 0;
#else
    return localtime_r(&time, &local) != nullptr;
#endif
}

/// Takes a changed time zone (TZ) into account for localTime.
void readTimeZone() {
#ifdef _WIN32
    _tzset();
#else
    tzset();
#endif
}

/// "2026/12/07 11:55" in local time. A folder's files mostly share their quarter hours, and
/// every zone's offset and change of offset fall on a quarter hour: the local time of a
/// quarter is looked up once and its minutes counted on. Each thread keeps its own quarter,
/// since the viewer reads its first folder on a thread of its own.
std::string localDate(std::int64_t seconds) {
    struct Quarter {
        std::int64_t number = INT64_MIN;
        std::string zone;
        std::tm local{};
    };
    thread_local Quarter last;
    const std::int64_t number = seconds >= 0 ? seconds / 900 : -((-seconds + 899) / 900);
    const char* zone = std::getenv("TZ");
    if (number != last.number || last.zone != (zone ? zone : "")) {
        if (last.zone != (zone ? zone : ""))
            readTimeZone();
        std::tm local{};
        if (!localTime(static_cast<std::time_t>(number * 900), local))
            return {};
        last = {number, zone ? zone : "", local};
    }
    std::tm local = last.local;
    local.tm_min += static_cast<int>((seconds - number * 900) / 60);
    if (local.tm_min > 59 && !localTime(static_cast<std::time_t>(seconds), local))
        return {}; // an old local mean time, off the quarter hours
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

} // namespace

std::string fileExtension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
        return {};
    return lowerAscii(name.substr(dot + 1));
}

FolderListing listFolder(platform::Platform& platform, std::string_view windowsPath,
                         bool withHidden, std::size_t detailed) {
    FolderListing listing;
    std::vector<platform::FolderItem> items;
    const bool whole = detailed == kAllEntries;
    if (const Status status = whole ? platform.listFolder(windowsPath, items)
                                    : platform.listFolderNames(windowsPath, items);
        !status) {
        listing.error = status.message;
        return listing;
    }
    listing.entries.reserve(items.size());
    for (platform::FolderItem& item : items) {
        if (item.hidden && !withHidden)
            continue;
        FolderEntry entry;
        static_cast<platform::FolderItem&>(entry) = std::move(item);
        listing.entries.push_back(std::move(entry));
    }
    sortEntries(listing.entries);
    readDetails(platform, windowsPath, listing, detailed);
    return listing;
}

void readDetails(platform::Platform& platform, std::string_view windowsPath, FolderListing& listing,
                 std::size_t upTo) {
    const std::size_t end = std::min(upTo, listing.entries.size());
    const std::size_t begin = std::min(listing.detailedEntries, end);
    const std::span<FolderEntry> wanted = std::span(listing.entries).subspan(begin, end - begin);
    std::vector<platform::FolderItem*> unread;
    for (FolderEntry& entry : wanted) {
        if (!entry.detailed)
            unread.push_back(&entry);
    }
    if (!unread.empty())
        platform.readDetails(windowsPath, unread);
    std::string folder(windowsPath);
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    for (FolderEntry& entry : wanted) {
        if (!entry.isFolder && entry.size <= kLargestShortcut &&
            fileExtension(entry.name) == "url") {
            if (const std::optional<std::string> text = platform.readFile(folder + entry.name))
                entry.infoTip = shortcutAddress(*text);
        }
    }
    listing.detailedEntries = std::max(listing.detailedEntries, end);
}

std::string columnTitle(int column) {
    switch (column) {
    case Name:
        return "名前";
    case Size:
        return "サイズ";
    case Type:
        return "種類";
    case Modified:
        return "更新日時";
    case Attributes:
        return "属性";
    default:
        return {};
    }
}

std::string detailOf(const FolderEntry& entry, int column) {
    switch (column) {
    case InfoTip:
        return entry.infoTip;
    case Name:
        return entry.name;
    case Size:
        return entry.isFolder ? std::string() : groupedNumber((entry.size + 1023) / 1024) + " KB";
    case Type:
        return typeName(entry);
    case Modified:
        return localDate(entry.modified);
    case Attributes: {
        std::string letters;
        if (entry.readOnly)
            letters += 'R';
        if (entry.hidden)
            letters += 'H';
        if (!entry.isFolder)
            letters += 'A';
        return letters;
    }
    default:
        return {};
    }
}

std::string typeName(const FolderEntry& entry) {
    if (entry.isFolder)
        return "ファイル フォルダ";
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 22> known{{
        {"bmp", "ビットマップ イメージ"},
        {"dll", "アプリケーション拡張"},
        {"exe", "アプリケーション"},
        {"gif", "GIF イメージ"},
        {"htm", "HTML ドキュメント"},
        {"html", "HTML ドキュメント"},
        {"htt", "ハイパーテキスト テンプレート"},
        {"ico", "アイコン"},
        {"ini", "構成設定"},
        {"jpe", "JPEG イメージ"},
        {"jpeg", "JPEG イメージ"},
        {"jpg", "JPEG イメージ"},
        {"lnk", "ショートカット"},
        {"mid", "MIDI シーケンス"},
        {"mp3", "MP3 形式サウンド"},
        {"pdf", "PDF ドキュメント"},
        {"png", "PNG イメージ"},
        {"svg", "SVG イメージ"},
        {"txt", "テキスト ドキュメント"},
        {"url", "インターネット ショートカット"},
        {"wav", "WAVE サウンド"},
        {"zip", "圧縮 (zip 形式) フォルダ"},
    }};
    const std::string extension = fileExtension(entry.name);
    if (extension.empty())
        return "ファイル";
    for (const auto& [ext, name] : known) {
        if (ext == extension)
            return std::string(name);
    }
    std::string capitals = extension;
    std::transform(capitals.begin(), capitals.end(), capitals.begin(),
                   [](char c) { return upperAscii(c); });
    return capitals + " ファイル";
}

std::string shortSizeText(std::uint64_t bytes) {
    if (bytes < 1024)
        return std::to_string(bytes) + " バイト";
    static constexpr std::array<const char*, 5> units{"KB", "MB", "GB", "TB", "PB"};
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    while (value >= 1000 && unit + 1 < units.size()) {
        value /= 1024;
        ++unit;
    }
    // Three significant digits, cut rather than rounded, as the file manager showed them.
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    const double scale = std::pow(10.0, decimals);
    const double shown = std::floor(value * scale) / scale;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, shown, units[unit]);
    return text;
}

std::string groupedNumber(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace lumivane::webview
