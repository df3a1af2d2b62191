#include "webview/folder_address.h"

#include "platform/ascii.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace lumivane::webview {
namespace fs = std::filesystem;
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// "X:" followed by a separator or the end.
bool startsWithDrive(std::string_view text) {
    return text.size() >= 2 && isLetter(text[0]) && text[1] == ':' &&
           (text.size() == 2 || isSeparator(text[2]));
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

/// The names of a path after its drive, "." and ".." resolved.
std::vector<std::string_view> pathNames(std::string_view rest) {
    std::vector<std::string_view> names;
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end]))
            ++end;
        const std::string_view name = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    return names;
}

} // namespace

std::string percentEncoded(std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += digits[byte >> 4];
            out += digits[byte & 15];
        }
    }
    return out;
}

std::optional<std::string> normalWindowsPath(std::string_view text) {
    if (!startsWithDrive(text) || text.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::string path{upperAscii(text[0]), ':'};
    const std::vector<std::string_view> names = pathNames(text.substr(2));
    for (std::string_view name : names) {
        path += '\\';
        path += name;
    }
    if (names.empty())
        path += '\\';
    return path;
}

std::optional<std::string> folderAddress(std::string_view text, platform::Platform& platform) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;

    std::string decoded;
    if (startsWithNoCase(text, "file:")) {
        decoded = percentDecoded(text.substr(5));
        std::string_view rest = decoded;
        while (rest.size() > 1 && isSeparator(rest[0]) && isSeparator(rest[1]))
            rest.remove_prefix(1);
        // "file:///C:/x" and "file://C:\x" name a drive; "file:///home/me" a host path.
        if (rest.size() >= 3 && isSeparator(rest[0]) && startsWithDrive(rest.substr(1)))
            rest.remove_prefix(1);
        text = rest;
    }
    if (startsWithDrive(text))
        return normalWindowsPath(text);
    if (const std::size_t colon = text.find(':');
        colon != std::string_view::npos && colon < text.find('/'))
        return std::nullopt; // an address of another scheme, or "C:x"

    fs::path host;
    if (text == "~" || text.starts_with("~/")) {
        const char* home = std::getenv("HOME");
        if (!home || !*home)
            return std::nullopt;
        host = fs::path(home) / std::string(text.substr(text.size() > 1 ? 2 : 1));
    } else {
        std::error_code ec;
        host = text.front() == '/' ? fs::path(std::string(text))
                                   : fs::current_path(ec) / std::string(text);
    }
    return normalWindowsPath(platform.windowsPath(host.lexically_normal().string()));
}

std::optional<std::string> parentFolder(std::string_view windowsPath) {
    const std::optional<std::string> plain = normalWindowsPath(windowsPath);
    if (!plain || plain->size() <= 3)
        return std::nullopt;
    const std::size_t cut = plain->rfind('\\');
    return cut == 2 ? plain->substr(0, 3) : plain->substr(0, cut);
}

std::string folderDisplayName(std::string_view windowsPath) {
    const std::optional<std::string> plain = normalWindowsPath(windowsPath);
    if (!plain)
        return std::string(windowsPath);
    if (plain->size() <= 3)
        return *plain;
    return plain->substr(plain->rfind('\\') + 1);
}

std::string driveUrl(std::string_view windowsPath) {
    const std::optional<std::string> plain = normalWindowsPath(windowsPath);
    if (!plain)
        return std::string(windowsPath);
    std::string url(kDriveScheme);
    url += "://";
    url += lowerAscii((*plain)[0]);
    url += '/';
    const std::vector<std::string_view> names = pathNames(std::string_view(*plain).substr(2));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            url += '/';
        url += percentEncoded(names[i]);
    }
    if (!names.empty() && isSeparator(windowsPath.back()))
        url += '/';
    return url;
}

std::string pageAddress(std::string_view address) {
    std::string path;
    if (startsWithNoCase(address, "file:")) {
        std::string_view rest = address.substr(5);
        for (int slash = 0; slash < 3 && !rest.empty() && isSeparator(rest.front()); ++slash)
            rest.remove_prefix(1);
        std::string named(rest);
        // The old form "file:///C|/x" names the drive with a bar.
        if (named.size() >= 2 && isLetter(named[0]) && named[1] == '|')
            named[1] = ':';
        path = percentDecoded(named);
    } else if (address.size() > 2) { // "C:" alone may be the start of an address of scheme c
        path = address;
    }
    if (!startsWithDrive(path) || !normalWindowsPath(path))
        return std::string(address);
    return driveUrl(path);
}

std::optional<std::string> windowsPathOfDriveUrl(std::string_view url) {
    const std::string prefix = std::string(kDriveScheme) + "://";
    if (!startsWithNoCase(url, prefix))
        return std::nullopt;
    url.remove_prefix(prefix.size());
    if (url.size() < 1 || !isLetter(url[0]) || (url.size() > 1 && url[1] != '/'))
        return std::nullopt;
    std::string_view path = url.substr(1);
    path = path.substr(0, path.find_first_of("?#"));
    std::string windows{upperAscii(url[0]), ':'};
    windows += percentDecoded(path);
    return normalWindowsPath(windows);
}

} // namespace lumivane::webview
