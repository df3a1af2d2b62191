#include "webview/folder_listing.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>
#include <utility>

namespace lumivane::webview {
namespace fs = std::filesystem;
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

/// The extension after the last dot, in lower case; empty without one (".profile" has none).
std::string extensionOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
        return {};
    return lowerAscii(name.substr(dot + 1));
}

std::string readError(const std::error_code& ec) {
    if (ec == std::errc::no_such_file_or_directory)
        return "フォルダが見つかりません";
    if (ec == std::errc::not_a_directory)
        return "フォルダではありません";
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted)
        return "フォルダを読む権限がありません";
    return "フォルダを読めません (" + ec.message() + ")";
}

std::int64_t secondsSinceEpoch(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

/// The address an Internet shortcut points to: its "URL=" line.
std::string shortcutAddress(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    for (int lines = 0; lines < 64 && std::getline(in, line); ++lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 4 && lowerAscii(line.substr(0, 4)) == "url=")
            return line.substr(4);
    }
    return {};
}

bool nameBefore(const FolderEntry& a, const FolderEntry& b) {
    if (a.isFolder != b.isFolder)
        return a.isFolder;
    const std::string la = lowerAscii(a.name);
    const std::string lb = lowerAscii(b.name);
    return la != lb ? la < lb : a.name < b.name;
}

} // namespace

FolderListing listFolder(const fs::path& hostFolder, bool withHidden) {
    FolderListing listing;
    std::error_code ec;
    fs::directory_iterator it(hostFolder, ec);
    if (!ec && !fs::is_directory(hostFolder, ec))
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) {
        listing.error = readError(ec);
        return listing;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        FolderEntry entry;
        entry.name = it->path().filename().string();
        entry.hidden = entry.name.starts_with('.');
        if (entry.hidden && !withHidden)
            continue;
        std::error_code statError;
        const fs::file_status status = it->status(statError);
        if (statError) {
            // A link to nothing still has a name to show; an entry that is gone is left out.
            if (!it->is_symlink(statError))
                continue;
            listing.entries.push_back(std::move(entry));
            continue;
        }
        entry.isFolder = fs::is_directory(status);
        entry.readOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
        if (!entry.isFolder) {
            const std::uintmax_t size = it->file_size(statError);
            entry.size = statError ? 0 : size;
            if (extensionOf(entry.name) == "url")
                entry.infoTip = shortcutAddress(it->path());
        }
        const fs::file_time_type time = it->last_write_time(statError);
        if (!statError)
            entry.modified = secondsSinceEpoch(time);
        listing.entries.push_back(std::move(entry));
    }
    if (ec) {
        listing.error = readError(ec);
        listing.entries.clear();
        return listing;
    }
    std::sort(listing.entries.begin(), listing.entries.end(), nameBefore);
    return listing;
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
    case Modified: {
        const std::time_t time = static_cast<std::time_t>(entry.modified);
        const std::tm* local = std::localtime(&time);
        if (!local)
            return {};
        char text[32];
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", local->tm_year + 1900,
                      local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min);
        return text;
    }
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
    const std::string extension = extensionOf(entry.name);
    if (extension.empty())
        return "ファイル";
    for (const auto& [ext, name] : known) {
        if (ext == extension)
            return std::string(name);
    }
    std::string capitals = extension;
    std::transform(capitals.begin(), capitals.end(), capitals.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
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
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

bool isPictureName(std::string_view name) {
    const std::string extension = extensionOf(name);
    return extension == "bmp" || extension == "jpg" || extension == "jpeg" || extension == "jpe" ||
           extension == "gif" || extension == "png";
}

} // namespace lumivane::webview
