// The emulated registry under a writer killed with SIGKILL in the middle of its writes, and
// under two processes writing at once: every value a write call returned from is there
// afterwards, and the database file is sound.
#include "platform/emulated/emulated_platform.h"
#include "support/emulated_root.h"
#include "template/template_text.h"

#include <csignal>
#include <cstdint>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using lumivane::platform::EmulatedPlatform;
using lumivane::platform::RootKey;
using lumivane::testing::EmulatedRoot;

constexpr std::string_view kKey = "Software\\Lumivane\\Reliability";

std::string valueText(int n) {
    // Long enough that a write spans more than one database page now and then.
    return "値その" + std::to_string(n) + " " + std::string(static_cast<size_t>(n % 7) * 300, 'v');
}

/// The name of value `n`, "v" and the number.
std::string valueName(int n) {
    std::string name = "v";
    name += std::to_string(n);
    return name;
}

/// What SQLite's own check says of the database file; "ok" when it is sound.
std::string integrity(const fs::path& file) {
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
            sqlite3_step(check) == SQLITE_ROW)
            verdict = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
        sqlite3_finalize(check);
    }
    sqlite3_close(db);
    return verdict;
}

bool anythingMovedAside(const fs::path& root) {
    for (const auto& entry : fs::directory_iterator(root))
        if (entry.path().filename().string().find("damaged") != std::string::npos)
            return true;
    return false;
}

/// A child that writes values `first`, `first`+1, ... and after each write call has returned
/// tells the parent the number through `report`; it runs until it is killed.
[[noreturn]] void writeForever(const fs::path& root, int first, int report) {
    EmulatedPlatform platform(root, lumivane::standardTemplateBytes());
    for (int n = first;; ++n) {
        platform.regSetString(RootKey::CurrentUser, kKey, valueName(n), valueText(n));
        platform.regSetString(RootKey::CurrentUser, kKey, "last", std::to_string(n));
        const std::int32_t done = n;
        if (::write(report, &done, sizeof done) != sizeof done)
            ::_exit(2);
    }
}

TEST(RegistryCrash, WriterKilledMidWriteLosesNoReturnedValue) {
    EmulatedRoot sys;
    EmulatedPlatform platform(sys.root(), lumivane::standardTemplateBytes());
    platform.regSetString(RootKey::CurrentUser, kKey, "before", "最初の値");

    int acknowledged = -1; // the highest value whose write call returned
    for (int round = 0; round < 25; ++round) {
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            writeForever(sys.root(), acknowledged + 1, pipeFds[1]);
        }
        ::close(pipeFds[1]);
        // Kill after a varying number of completed writes, so the kill lands at varying
        // points of the next one.
        const int wait = 1 + (round * 7) % 11;
        std::int32_t done = 0;
        for (int seen = 0; seen < wait && ::read(pipeFds[0], &done, sizeof done) == sizeof done;
             ++seen)
            acknowledged = done;
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "round " << round;
        while (::read(pipeFds[0], &done, sizeof done) == sizeof done)
            acknowledged = done;
        ::close(pipeFds[0]);
    }
    ASSERT_GT(acknowledged, 25);

    EXPECT_EQ(integrity(sys.root() / "registry.sqlite3"), "ok");
    EXPECT_EQ(platform.regGetString(RootKey::CurrentUser, kKey, "before"), "最初の値");
    for (int n = 0; n <= acknowledged; ++n)
        ASSERT_EQ(platform.regGetString(RootKey::CurrentUser, kKey, valueName(n)), valueText(n))
            << "value " << n << " of " << acknowledged;
    EXPECT_GE(std::stoi(platform.regGetString(RootKey::CurrentUser, kKey, "last")), acknowledged);
    EXPECT_FALSE(anythingMovedAside(sys.root()));

    // And the database still takes writes.
    platform.regSetString(RootKey::CurrentUser, kKey, "after", "後の値");
    EXPECT_EQ(platform.regGetString(RootKey::CurrentUser, kKey, "after"), "後の値");
}

TEST(RegistryCrash, TwoProcessesWritingAtOnceLoseNothing) {
    EmulatedRoot sys;
    EmulatedPlatform platform(sys.root(), lumivane::standardTemplateBytes());
    platform.regSetString(RootKey::CurrentUser, kKey, "before", "最初の値"); // creates the file
    constexpr int kWrites = 60;

    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> children;
    for (const char* writer : {"a", "b"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(start[1]);
            char go = 0;
            if (::read(start[0], &go, 1) != 1)
                ::_exit(3);
            EmulatedPlatform own(sys.root(), lumivane::standardTemplateBytes());
            for (int n = 0; n < kWrites; ++n) {
                own.regSetString(RootKey::CurrentUser, kKey,
                                 std::string(writer) + std::to_string(n), valueText(n));
                // Both also write the same value and a key of their own under a shared parent.
                own.regSetString(RootKey::CurrentUser, kKey, "shared", writer);
                own.regSetString(RootKey::CurrentUser, std::string(kKey) + "\\" + writer, "n",
                                 std::to_string(n));
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    ::close(start[0]);
    ASSERT_EQ(::write(start[1], "gg", 2), 2); // both start together
    ::close(start[1]);
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    EXPECT_EQ(integrity(sys.root() / "registry.sqlite3"), "ok");
    for (const char* writer : {"a", "b"}) {
        for (int n = 0; n < kWrites; ++n)
            ASSERT_EQ(platform.regGetString(RootKey::CurrentUser, kKey,
                                            std::string(writer) + std::to_string(n)),
                      valueText(n))
                << writer << n;
        EXPECT_EQ(
            platform.regGetString(RootKey::CurrentUser, std::string(kKey) + "\\" + writer, "n"),
            std::to_string(kWrites - 1));
    }
    const std::string shared = platform.regGetString(RootKey::CurrentUser, kKey, "shared");
    EXPECT_TRUE(shared == "a" || shared == "b") << shared;
    EXPECT_EQ(platform.regGetString(RootKey::CurrentUser, kKey, "before"), "最初の値");
    EXPECT_FALSE(anythingMovedAside(sys.root()));
}

} // namespace
