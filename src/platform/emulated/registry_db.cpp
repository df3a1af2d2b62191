#include "platform/emulated/registry_db.h"

#include "platform/utf8.h"

#include <cstdio>
#include <optional>
#include <sqlite3.h>
#include <system_error>
#include <vector>

namespace lumivane::platform::emulated {
namespace fs = std::filesystem;
namespace {

constexpr int regSz = 1;
constexpr int regExpandSz = 2;
constexpr int busyTimeoutMs = 10000;

constexpr const char* schema = "CREATE TABLE IF NOT EXISTS reg_key("
                               "  folded TEXT PRIMARY KEY, path TEXT NOT NULL) WITHOUT ROWID;"
                               "CREATE TABLE IF NOT EXISTS reg_value("
                               "  key TEXT NOT NULL, folded TEXT NOT NULL, name TEXT NOT NULL,"
                               "  type INTEGER NOT NULL, data BLOB NOT NULL,"
                               "  PRIMARY KEY (key, folded)) WITHOUT ROWID;";

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

/// The key path split into its names: a trailing backslash is allowed, an empty name is not.
std::optional<std::vector<std::string_view>> splitKey(std::string_view subKey) {
    std::vector<std::string_view> names;
    if (!subKey.empty() && subKey.back() == '\\')
        subKey.remove_suffix(1);
    while (!subKey.empty()) {
        const std::size_t end = subKey.find('\\');
        const std::string_view name = subKey.substr(0, end);
        if (name.empty())
            return std::nullopt;
        names.push_back(name);
        subKey.remove_prefix(end == std::string_view::npos ? subKey.size() : end + 1);
        if (end != std::string_view::npos && subKey.empty())
            return std::nullopt;
    }
    return names;
}

/// Appends one name to a key path, a backslash between names.
void appendName(std::string& path, std::string_view name) {
    if (!path.empty())
        path += '\\';
    path += name;
}

std::string toUtf16Le(std::string_view utf8) {
    std::string out;
    const auto put = [&](char32_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>((unit >> 8) & 0xFF);
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Char c = decodeUtf8(utf8, i);
        i += c.length;
        if (c.codePoint >= 0x10000) {
            put(0xD800 + ((c.codePoint - 0x10000) >> 10));
            put(0xDC00 + ((c.codePoint - 0x10000) & 0x3FF));
        } else {
            put(c.codePoint);
        }
    }
    put(0); // the stored terminator
    return out;
}

std::string fromUtf16Le(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit =
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                                 (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                unit = 0xFFFD;
            }
        } else if (unit >= 0xD800 && unit < 0xE000) {
            unit = 0xFFFD;
        }
        appendUtf8(out, unit);
    }
    return out;
}

bool isDamage(int rc) {
    const int primary = rc & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

/// A statement of ours that does not compile means a database of some other layout.
int prepareFailure(int rc) {
    return (rc & 0xFF) == SQLITE_ERROR ? SQLITE_NOTADB : rc;
}

/// One open connection; closed on every path out of a call.
class Connection {
public:
    Connection(const fs::path& file, RegistryDb::Access access) {
        const bool readOnly = access == RegistryDb::Access::ReadOnly;
        rc_ = sqlite3_open_v2(
            file.c_str(), &db_,
            readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc_ == SQLITE_OK) {
            sqlite3_busy_timeout(db_, busyTimeoutMs);
            if (!readOnly)
                rc_ = sqlite3_exec(db_, schema, nullptr, nullptr, nullptr);
        }
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int rc() const { return rc_; }
    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    int rc_ = SQLITE_OK;
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int rc() const { return rc_; }
    Statement& bind(int index, std::string_view text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bindBlob(int index, std::string_view bytes) {
        sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int index, int value) {
        sqlite3_bind_int(stmt_, index, value);
        return *this;
    }
    int step() { return sqlite3_step(stmt_); }
    void reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    int columnInt(int column) { return sqlite3_column_int(stmt_, column); }
    std::string columnBlob(int column) {
        const void* data = sqlite3_column_blob(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        return data ? std::string(static_cast<const char*>(data), size) : std::string();
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

/// Moves a damaged database (and its journal) aside under a name that says so.
void moveAside(const fs::path& file) {
    std::error_code ec;
    fs::path target;
    for (int n = 1;; ++n) {
        target = file;
        target += n == 1 ? ".damaged" : ".damaged-" + std::to_string(n);
        if (!fs::exists(target, ec))
            break;
    }
    fs::rename(file, target, ec);
    if (ec)
        return; // left where it is; the calls stay quiet
    for (const char* suffix : {"-journal", "-wal"}) {
        fs::path side = file;
        side += suffix;
        fs::path sideTarget = target;
        sideTarget += suffix;
        std::error_code ignored;
        if (fs::exists(side, ignored))
            fs::rename(side, sideTarget, ignored);
    }
    std::fprintf(
        stderr,
        "lumivane: レジストリのデータベース %s を読めないため %s に移し、新しく作り直します\n",
        file.c_str(), target.c_str());
}

struct GetResult {
    int rc = SQLITE_OK;
    std::vector<std::string> texts; ///< one for each name asked for
};

GetResult tryGet(const fs::path& file, RegistryDb::Access access, std::string_view subKey,
                 const std::vector<std::string_view>& names) {
    GetResult result;
    result.texts.resize(names.size());
    const auto failed = [&](int rc) {
        result.rc = rc;
        result.texts.assign(names.size(), std::string());
        return result;
    };
    Connection conn(file, access);
    if (conn.rc() != SQLITE_OK)
        return failed(conn.rc());
    const std::optional<std::vector<std::string_view>> parts = splitKey(subKey);
    if (!parts)
        return result;
    std::string key;
    for (std::string_view part : *parts)
        appendName(key, foldCase(part));

    Statement select(conn.db(), "SELECT type, data FROM reg_value WHERE key = ?1 AND folded = ?2");
    if (select.rc() != SQLITE_OK)
        return failed(prepareFailure(select.rc()));
    // The values are read in one transaction: as one change of another program left them.
    const int begun = sqlite3_exec(conn.db(), "BEGIN", nullptr, nullptr, nullptr);
    if (begun != SQLITE_OK)
        return failed(begun);
    for (std::size_t i = 0; i < names.size(); ++i) {
        select.bind(1, key).bind(2, foldCase(names[i]));
        const int rc = select.step();
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            sqlite3_exec(conn.db(), "ROLLBACK", nullptr, nullptr, nullptr);
            return failed(rc);
        }
        // Only text values are text, as on Windows: a number read as characters would be
        // noise.
        if (rc == SQLITE_ROW) {
            const int type = select.columnInt(0);
            if (type == regSz || type == regExpandSz)
                result.texts[i] = fromUtf16Le(select.columnBlob(1));
        }
        select.reset();
    }
    sqlite3_exec(conn.db(), "COMMIT", nullptr, nullptr, nullptr);
    return result;
}

using Values = std::vector<std::pair<std::string, std::string>>;

int trySet(const fs::path& file, std::string_view subKey, const Values& values) {
    Connection conn(file, RegistryDb::Access::ReadWrite);
    if (conn.rc() != SQLITE_OK)
        return conn.rc();
    const std::optional<std::vector<std::string_view>> names = splitKey(subKey);
    if (!names)
        return SQLITE_MISUSE;

    int rc = sqlite3_exec(conn.db(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    const auto fail = [&](int code) {
        sqlite3_exec(conn.db(), "ROLLBACK", nullptr, nullptr, nullptr);
        return code;
    };
    {
        Statement addKey(conn.db(), "INSERT OR IGNORE INTO reg_key(folded, path) VALUES (?1, ?2)");
        Statement putValue(conn.db(), "INSERT OR REPLACE INTO reg_value(key, folded, name, type, "
                                      "data) VALUES (?1, ?2, ?3, ?4, ?5)");
        if (addKey.rc() != SQLITE_OK || putValue.rc() != SQLITE_OK) {
            const int code = addKey.rc() != SQLITE_OK ? addKey.rc() : putValue.rc();
            return fail(prepareFailure(code));
        }
        // Every key along the path exists afterwards, as RegCreateKeyEx leaves them.
        std::string folded;
        std::string path;
        for (std::string_view part : *names) {
            appendName(folded, foldCase(part));
            appendName(path, part);
            rc = addKey.bind(1, folded).bind(2, path).step();
            if (rc != SQLITE_DONE)
                return fail(rc);
            addKey.reset();
        }
        for (const auto& [name, value] : values) {
            rc = putValue.bind(1, folded)
                     .bind(2, foldCase(name))
                     .bind(3, name)
                     .bind(4, regSz)
                     .bindBlob(5, toUtf16Le(value))
                     .step();
            if (rc != SQLITE_DONE)
                return fail(rc);
            putValue.reset();
        }
    }
    rc = sqlite3_exec(conn.db(), "COMMIT", nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? SQLITE_OK : fail(rc);
}

} // namespace

RegistryDb::RegistryDb(fs::path file, Access access) : file_(std::move(file)), access_(access) {}

std::string RegistryDb::getString(std::string_view subKey, std::string_view name) {
    return getStrings(subKey, {name}).front();
}

std::vector<std::string> RegistryDb::getStrings(std::string_view subKey,
                                                const std::vector<std::string_view>& names) {
    GetResult result = tryGet(file_, access_, subKey, names);
    if (isDamage(result.rc) && access_ == Access::ReadWrite) {
        moveAside(file_);
        result = tryGet(file_, access_, subKey, names);
    }
    return std::move(result.texts);
}

bool RegistryDb::setString(std::string_view subKey, std::string_view name, std::string_view value) {
    return setStrings(subKey, {{std::string(name), std::string(value)}});
}

bool RegistryDb::setStrings(std::string_view subKey, const Values& values) {
    if (access_ == Access::ReadOnly)
        return false;
    int rc = trySet(file_, subKey, values);
    if (isDamage(rc)) {
        moveAside(file_);
        rc = trySet(file_, subKey, values);
    }
    return rc == SQLITE_OK;
}

} // namespace lumivane::platform::emulated
