#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumivane::platform::emulated {

/// The current user's registry hive in an SQLite database file. Keys are backslash paths
/// compared without regard to ASCII case; values keep name, type and data (REG_SZ as
/// UTF-16LE with its terminator, as Windows stores it). Every call opens the database, runs
/// one transaction and closes it again, so a crash or a second process loses nothing.
/// A file that cannot be read as such a database is moved aside, never deleted.
class RegistryDb {
public:
    /// How the hive is opened. A read-only hive is never created, changed or moved aside:
    /// what cannot be read reads as empty text and every write is refused.
    enum class Access { ReadWrite, ReadOnly };

    explicit RegistryDb(std::filesystem::path file, Access access = Access::ReadWrite);

    /// The text of a value; empty when the key or value is missing, unreadable or not text.
    std::string getString(std::string_view subKey, std::string_view name);
    /// The texts of several values of one key, in the order of `names`, read at one moment
    /// through one opening of the database.
    std::vector<std::string> getStrings(std::string_view subKey,
                                        const std::vector<std::string_view>& names);
    /// Stores a REG_SZ value, creating missing keys; false when it could not be stored.
    bool setString(std::string_view subKey, std::string_view name, std::string_view value);
    /// Stores several REG_SZ values under one key in one transaction.
    bool setStrings(std::string_view subKey,
                    const std::vector<std::pair<std::string, std::string>>& values);

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    Access access_;
};

} // namespace lumivane::platform::emulated
