#include "platform/emulated/drive_map.h"

#include <system_error>
#include <vector>

namespace lumivane::platform::emulated {
namespace fs = std::filesystem;
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

char foldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

/// The entry of `folder` whose name equals `name` without regard to case, if any.
std::optional<std::string> findNoCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (equalNoCase(entry, name))
            return entry;
    }
    return std::nullopt;
}

} // namespace

std::optional<fs::path> mapToHost(const fs::path& root, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        windowsPath.find('\0') != std::string_view::npos)
        return std::nullopt;
    fs::path base;
    switch (foldAscii(windowsPath[0])) {
    case 'C':
        base = root / "drive_c";
        break;
    case 'Z':
        base = "/";
        break;
    default:
        return std::nullopt;
    }

    std::vector<std::string_view> parts;
    std::string_view rest = windowsPath.substr(2);
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end]))
            ++end;
        const std::string_view part = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            // As on Windows, ".." at a drive's root stays at the root.
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }

    fs::path exact = base;
    for (std::string_view part : parts)
        exact /= fs::path(std::string(part));
    std::error_code ec;
    if (parts.empty() || fs::exists(exact, ec))
        return exact;

    // A new entry in a folder that exists as given: only its own name needs matching.
    const fs::path parent = exact.parent_path();
    if (fs::is_directory(parent, ec)) {
        const std::string last(parts.back());
        if (std::optional<std::string> match = findNoCase(parent, last))
            return parent / fs::path(*match);
        return exact;
    }

    // Slow road: walk the components, taking the entry that matches without regard to case.
    fs::path host = base;
    bool resolving = true;
    for (std::string_view part : parts) {
        if (resolving && !fs::exists(host / fs::path(std::string(part)), ec)) {
            if (std::optional<std::string> match = findNoCase(host, part)) {
                host /= fs::path(*match);
                continue;
            }
            resolving = false; // the rest cannot exist either
        }
        host /= fs::path(std::string(part));
    }
    return host;
}

std::string mapToWindows(const fs::path& root, const fs::path& hostPath) {
    std::error_code ec;
    fs::path absolute = hostPath.is_absolute() ? hostPath : fs::current_path(ec) / hostPath;
    absolute = absolute.lexically_normal();
    fs::path driveC = (root.is_absolute() ? root : fs::current_path(ec) / root) / "drive_c";
    driveC = driveC.lexically_normal();

    std::string drive = "Z:";
    fs::path relative = absolute.relative_path();
    const fs::path belowC = absolute.lexically_relative(driveC);
    if (!belowC.empty() && *belowC.begin() != "..") {
        drive = "C:";
        relative = belowC == "." ? fs::path() : belowC;
    }

    std::string result = drive;
    for (const fs::path& part : relative) {
        if (part.empty())
            continue;
        result += '\\';
        result += part.string();
    }
    if (result.size() == 2)
        result += '\\';
    return result;
}

} // namespace lumivane::platform::emulated
