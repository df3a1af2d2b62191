#include "platform/emulated/emulated_platform.h"

#include "platform/emulated/drive_map.h"
#include "platform/emulated/error_text.h"
#include "platform/emulated/standard_pictures.h"
#include "platform/emulated/system_colors.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumivane::platform {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view windowsDir = "C:\\WINDOWS";
constexpr std::string_view colorsKey = "Control Panel\\Colors";

std::error_code errnoCode(int value = errno) {
    return {value, std::generic_category()};
}

Status failure(const std::error_code& error, std::string_view path) {
    return Status::failure(emulated::reasonText(error), std::string(path));
}

Status nowhere(std::string_view path) {
    return Status::failure("このパスはこのシステムにありません", std::string(path));
}

Status readOnly(std::string_view path) {
    return Status::failure("このシステムは読み取り専用で開かれています", std::string(path));
}

/// Windows refuses to change a file with the read-only attribute, and Lumivane reads the
/// owner's write bit as that attribute, for folders as well as files.
bool ownerWritable(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 || (st.st_mode & S_IWUSR) != 0;
}

/// Checks that `target` may be created or replaced: its folder exists and takes writes,
/// and the target itself, if present, is a file that is not read-only.
std::error_code checkReplaceable(const fs::path& target) {
    std::error_code ec;
    const fs::path folder = target.parent_path();
    if (!fs::is_directory(folder, ec))
        return errnoCode(ENOENT);
    if (!ownerWritable(folder))
        return errnoCode(EACCES);
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status))
        return errnoCode(EISDIR);
    if (fs::exists(status) && !ownerWritable(target))
        return errnoCode(EACCES);
    return {};
}

// Temporary files are named ".{name}.lumivane-XXXXXX" beside the file they replace.
constexpr std::string_view kTempMark = ".lumivane-";
// A writer locks its temporary file a moment after creating it; one that nobody has locked
// nor written to for this long belonged to a process that died before it finished.
constexpr auto kLeftoverAge = std::chrono::seconds(2);

/// A new, empty temporary file beside `target`; -1 and errno on failure.
int makeTempBeside(const fs::path& target, fs::path& temp) {
    std::string name = ".";
    name += target.filename().string();
    name += kTempMark;
    name += "XXXXXX";
    std::string pattern = (target.parent_path() / name).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd >= 0)
        temp = pattern;
    return fd;
}

/// Holds the lock of a temporary file while it is written and renamed into place, through a
/// descriptor of its own, so the writing descriptor can be closed (and its error seen) first.
class TempLock {
public:
    explicit TempLock(const fs::path& temp) : fd_(::open(temp.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~TempLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TempLock(const TempLock&) = delete;
    TempLock& operator=(const TempLock&) = delete;

private:
    int fd_;
};

/// Whether a temporary file may go: nobody holds its lock and it has not been written lately.
bool abandoned(const fs::path& temp) {
    const int fd = ::open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool unlocked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    std::error_code ec;
    const auto written = fs::last_write_time(temp, ec);
    return unlocked && !ec && fs::file_time_type::clock::now() - written > kLeftoverAge;
}

/// Removes the temporary files that writers killed part-way left in a folder.
void removeLeftovers(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.front() == '.' && name.find(kTempMark) != std::string::npos &&
            it->is_regular_file(ec) && abandoned(it->path())) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

mode_t fileMode(const fs::path& existing) {
    struct stat st {};
    if (::stat(existing.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool writeSetUpFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

fs::path cleanRoot(const fs::path& root) {
    fs::path clean = fs::absolute(root).lexically_normal();
    if (clean.filename().empty() && clean.has_relative_path())
        clean = clean.parent_path(); // no trailing separator
    return clean;
}

/// What the file system says of an entry of the kind it was listed as.
void takeDetails(FolderItem& item, const struct stat& status) {
    item.size = item.isFolder ? 0 : static_cast<std::uint64_t>(status.st_size);
    item.modified = static_cast<std::int64_t>(status.st_mtime);
    item.readOnly = (status.st_mode & S_IWUSR) == 0;
    item.detailed = true;
}

} // namespace

EmulatedPlatform::EmulatedPlatform(fs::path root, std::string standardTemplate, Access access)
    : root_(cleanRoot(std::move(root))), standardTemplate_(std::move(standardTemplate)),
      access_(access),
      registry_(root_ / "registry.sqlite3", access == Access::ReadOnly
                                                ? emulated::RegistryDb::Access::ReadOnly
                                                : emulated::RegistryDb::Access::ReadWrite) {}

fs::path EmulatedPlatform::defaultRoot() {
    const auto env = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    if (std::string root = env("LUMIVANE_ROOT"); !root.empty())
        return root;
    if (std::string data = env("XDG_DATA_HOME"); !data.empty() && data.front() == '/')
        return fs::path(data) / "lumivane";
    if (std::string home = env("HOME"); !home.empty())
        return fs::path(home) / ".local" / "share" / "lumivane";
    return fs::current_path() / ".lumivane";
}

void EmulatedPlatform::ensureSetUp() {
    if (setUpChecked_ || access_ == Access::ReadOnly)
        return;
    setUpChecked_ = true;
    std::error_code ec;
    const fs::file_status existing = fs::symlink_status(root_, ec);
    // A folder made empty for the purpose (`mktemp -d`) is as fresh as a missing one.
    const bool emptyFolder = fs::is_directory(existing) && fs::is_empty(root_, ec) && !ec;
    if (existing.type() != fs::file_type::not_found && !emptyFolder)
        return; // a root with anything in it (or that cannot be looked at) is never set up again

    // Build the fresh system beside the root and rename it into place in one step, so an
    // interrupted set-up or a second process starting at the same moment leaves no half. The
    // rename replaces an empty root folder and fails on one that has meanwhile been filled.
    fs::create_directories(root_.parent_path(), ec);
    fs::path staging = root_;
    staging += ".setup-" + std::to_string(::getpid());
    fs::remove_all(staging, ec);
    const fs::path web = staging / "drive_c" / "WINDOWS" / "Web";
    fs::create_directories(web, ec);
    if (ec)
        return;

    bool ok = writeSetUpFile(web / "folder.htt", standardTemplate_) &&
              writeSetUpFile(web / "wvleft.bmp", emulated::standardLeftBitmap()) &&
              writeSetUpFile(web / "wvline.gif", emulated::standardLineGif());

    std::vector<std::pair<std::string, std::string>> colors;
    for (const emulated::SystemColor& color : emulated::systemColors)
        colors.emplace_back(color.name, emulated::formatColor(color.classic));
    ok = ok && emulated::RegistryDb(staging / "registry.sqlite3").setStrings(colorsKey, colors);

    if (ok && emptyFolder) // the folder's owner chose who may look into it
        fs::permissions(staging, fs::status(root_, ec).permissions(), ec);
    if (ok)
        fs::rename(staging, root_, ec);
    if (!ok || ec)
        fs::remove_all(staging, ec);
}

std::optional<fs::path> EmulatedPlatform::mapped(std::string_view path) {
    ensureSetUp();
    return emulated::mapToHost(root_, path);
}

std::string EmulatedPlatform::windowsDirectory() {
    return std::string(windowsDir);
}

bool EmulatedPlatform::folderExists(std::string_view path) {
    const std::optional<fs::path> host = mapped(path);
    std::error_code ec;
    return host && fs::is_directory(*host, ec);
}

bool EmulatedPlatform::fileExists(std::string_view path) {
    const std::optional<fs::path> host = mapped(path);
    std::error_code ec;
    return host && fs::is_regular_file(*host, ec);
}

Status EmulatedPlatform::createFolder(std::string_view path) {
    if (access_ == Access::ReadOnly)
        return readOnly(path);
    const std::optional<fs::path> host = mapped(path);
    if (!host)
        return nowhere(path);
    std::error_code ec;
    const fs::path parent = host->parent_path();
    if (!fs::is_directory(parent, ec))
        return failure(errnoCode(ENOENT), path);
    if (!ownerWritable(parent))
        return failure(errnoCode(EACCES), path);
    if (::mkdir(host->c_str(), 0777) != 0)
        return failure(errnoCode(), path);
    return Status::success();
}

Status EmulatedPlatform::copyFile(std::string_view from, std::string_view to) {
    if (access_ == Access::ReadOnly)
        return readOnly(to);
    const std::optional<fs::path> source = mapped(from);
    if (!source)
        return nowhere(from);
    const std::optional<fs::path> target = mapped(to);
    if (!target)
        return nowhere(to);
    struct stat sourceStat {};
    if (::stat(source->c_str(), &sourceStat) != 0)
        return failure(errnoCode(), from);
    if (!S_ISREG(sourceStat.st_mode))
        return Status::failure("コピー元がファイルではありません", std::string(from));
    if (const std::error_code denied = checkReplaceable(*target))
        return failure(denied, to);

    const auto failed = [&](const std::error_code& error) {
        std::error_code ignored;
        const bool sourceGone = !fs::exists(*source, ignored);
        return failure(sourceGone ? errnoCode(ENOENT) : error, sourceGone ? from : to);
    };
    // The copy is ours to replace later, whatever the source's permissions were.
    const bool sourceReadOnly = (sourceStat.st_mode & S_IWUSR) == 0;
    std::error_code ec;

    if (!fs::exists(*target, ec)) {
        // A new file has no old content to keep: copy straight to its name and take the
        // partial file away again if the copy fails.
        if (fs::copy_file(*source, *target, fs::copy_options::none, ec) && sourceReadOnly)
            fs::permissions(*target, static_cast<fs::perms>(fileMode(*target) | S_IWUSR), ec);
        if (!ec)
            return Status::success();
        if (ec != std::errc::file_exists) {
            std::error_code ignored;
            fs::remove(*target, ignored);
            return failed(ec);
        }
        // Someone made the file meanwhile: replace it as an existing one.
    }

    // An existing file is replaced only by a complete copy, renamed over it.
    fs::path temp;
    const int fd = makeTempBeside(*target, temp);
    if (fd < 0)
        return failure(errnoCode(), to);
    const TempLock lock(temp);
    ::close(fd);
    fs::copy_file(*source, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::permissions(temp, static_cast<fs::perms>(fileMode(*target) | S_IWUSR), ec);
    if (!ec)
        fs::rename(temp, *target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return failed(ec);
    }
    return Status::success();
}

std::error_code EmulatedPlatform::writeBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errnoCode();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

Status EmulatedPlatform::replaceFile(std::string_view path, std::string_view bytes) {
    if (access_ == Access::ReadOnly)
        return readOnly(path);
    const std::optional<fs::path> target = mapped(path);
    if (!target)
        return nowhere(path);
    if (const std::error_code denied = checkReplaceable(*target))
        return failure(denied, path);
    // What a writer killed part-way through an earlier replacement left here goes first.
    removeLeftovers(target->parent_path());

    fs::path temp;
    const int fd = makeTempBeside(*target, temp);
    if (fd < 0)
        return failure(errnoCode(), path);
    const TempLock lock(temp);
    std::error_code ec = writeBytes(fd, bytes);
    if (!ec && ::fchmod(fd, fileMode(*target)) != 0)
        ec = errnoCode();
    if (!ec && ::fsync(fd) != 0)
        ec = errnoCode();
    if (::close(fd) != 0 && !ec)
        ec = errnoCode();
    if (!ec)
        fs::rename(temp, *target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return failure(ec, path);
    }
    syncFolder(target->parent_path());
    return Status::success();
}

std::optional<std::string> EmulatedPlatform::readFile(std::string_view path) {
    const std::optional<fs::path> host = mapped(path);
    std::error_code ec;
    if (!host || !fs::is_regular_file(*host, ec))
        return std::nullopt;
    std::ifstream in(*host, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

Status EmulatedPlatform::listFolder(std::string_view path, std::vector<FolderItem>& items) {
    return readFolder(path, items, true);
}

Status EmulatedPlatform::listFolderNames(std::string_view path, std::vector<FolderItem>& items) {
    return readFolder(path, items, false);
}

Status EmulatedPlatform::readFolder(std::string_view path, std::vector<FolderItem>& items,
                                    bool withDetails) {
    items.clear();
    const std::optional<fs::path> host = mapped(path);
    if (!host)
        return nowhere(path);
    DIR* folder = ::opendir(host->c_str());
    if (!folder)
        return failure(errnoCode(), path);
    const int fd = ::dirfd(folder);
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        FolderItem item;
        item.name = std::string(name);
        item.hidden = name.front() == '.';
        // The folder itself tells a file from a folder; a link, or an entry whose kind the
        // file system does not keep in its folders, is looked at at once.
        if (!withDetails && (entry->d_type == DT_REG || entry->d_type == DT_DIR)) {
            item.isFolder = entry->d_type == DT_DIR;
            item.detailed = false;
            items.push_back(std::move(item));
            continue;
        }
        struct stat status {};
        if (::fstatat(fd, entry->d_name, &status, 0) != 0) {
            // A link to nothing still has a name to show; an entry that is gone is left out.
            if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
                items.push_back(std::move(item));
            errno = 0;
            continue;
        }
        item.isFolder = S_ISDIR(status.st_mode);
        takeDetails(item, status);
        items.push_back(std::move(item));
        errno = 0;
    }
    const int error = errno;
    ::closedir(folder);
    if (error != 0) {
        items.clear();
        return failure(errnoCode(error), path);
    }
    return Status::success();
}

void EmulatedPlatform::readDetails(std::string_view path, std::span<FolderItem* const> items) {
    const std::optional<fs::path> host = mapped(path);
    const int fd = host ? ::open(host->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    for (FolderItem* item : items) {
        if (item->detailed)
            continue;
        struct stat status {};
        if (fd >= 0 && ::fstatat(fd, item->name.c_str(), &status, 0) == 0)
            takeDetails(*item, status);
        else
            item->detailed = true; // gone: nothing more to tell of it
    }
    if (fd >= 0)
        ::close(fd);
}

std::string EmulatedPlatform::programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "Z:\\";
    return emulated::mapToWindows(root_, exe.parent_path());
}

std::optional<std::string> EmulatedPlatform::hostPath(std::string_view path) {
    const std::optional<fs::path> host = emulated::mapToHost(root_, path);
    if (!host)
        return std::nullopt;
    return host->string();
}

std::string EmulatedPlatform::windowsPath(std::string_view hostPath) {
    return emulated::mapToWindows(root_, fs::path(std::string(hostPath)));
}

std::string EmulatedPlatform::regGetString(RootKey, std::string_view subKey,
                                           std::string_view name) {
    ensureSetUp();
    return registry_.getString(subKey, name);
}

void EmulatedPlatform::regSetString(RootKey, std::string_view subKey, std::string_view name,
                                    std::string_view value) {
    ensureSetUp();
    registry_.setString(subKey, name, value);
}

void EmulatedPlatform::loadColors() {
    if (colorsLoaded_)
        return;
    colorsLoaded_ = true;
    ensureSetUp();
    std::vector<std::string_view> names;
    for (int i = 0; i < colorCount; ++i)
        names.push_back(emulated::systemColors[i].name);
    const std::vector<std::string> stored = registry_.getStrings(colorsKey, names);
    for (int i = 0; i < colorCount; ++i)
        colors_[i] = emulated::parseColor(stored[static_cast<std::size_t>(i)])
                         .value_or(emulated::systemColors[i].classic);
}

std::uint32_t EmulatedPlatform::sysColor(int index) {
    loadColors();
    return index >= 0 && index < colorCount ? colors_[index] : 0;
}

void EmulatedPlatform::setSysColor(int index, std::uint32_t color) {
    loadColors();
    if (index < 0 || index >= colorCount)
        return;
    colors_[index] = color & 0xFFFFFF;
    if (listener_)
        listener_(index, colors_[index]);
}

void EmulatedPlatform::setSysColorListener(SysColorListener listener) {
    listener_ = std::move(listener);
}

std::unique_ptr<Platform> makeSystemPlatform(std::string standardTemplate) {
    return std::make_unique<EmulatedPlatform>(EmulatedPlatform::defaultRoot(),
                                              std::move(standardTemplate));
}

std::unique_ptr<Platform> makeSystemPlatformForReading() {
    return std::make_unique<EmulatedPlatform>(EmulatedPlatform::defaultRoot(), std::string(),
                                              EmulatedPlatform::Access::ReadOnly);
}

} // namespace lumivane::platform
