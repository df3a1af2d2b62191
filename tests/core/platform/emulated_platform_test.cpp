// What only the emulated Windows system does: its first start, its drives and its own faults.
#include "platform/emulated/emulated_platform.h"
#include "support/disk_full_platform.h"
#include "template/template_text.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

namespace {

using lumivane::testing::DiskFullHalfWay;

namespace fs = std::filesystem;
using lumivane::platform::EmulatedPlatform;
using lumivane::platform::RootKey;
namespace syscolor = lumivane::platform::syscolor;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spill(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Emulated : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "lumivane-emu-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        temporary = pattern;
        root = temporary / "root";
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(temporary, ec))
            ::chmod(entry.path().c_str(), entry.is_directory() ? 0755 : 0644);
        fs::remove_all(temporary, ec);
    }
    fs::path web() const { return root / "drive_c" / "WINDOWS" / "Web"; }

    fs::path temporary;
    fs::path root;
};

TEST_F(Emulated, FirstOperationSetsUpAFreshSystem) {
    // The standard template is whatever the program hands in.
    const std::string standard = "<html>standard \x82\xa0</html>\r\n";
    EmulatedPlatform p(root, standard);
    // Path questions alone create nothing.
    EXPECT_EQ(p.windowsDirectory(), "C:\\WINDOWS");
    EXPECT_EQ(p.windowsPath((root / "drive_c" / "WINDOWS").string()), "C:\\WINDOWS");
    EXPECT_TRUE(p.hostPath("C:\\WINDOWS\\Web").has_value());
    EXPECT_FALSE(p.programFolder().empty());
    EXPECT_FALSE(fs::exists(root));

    ASSERT_TRUE(p.folderExists("C:\\WINDOWS\\Web"));
    EXPECT_EQ(slurp(web() / "folder.htt"), standard);
    const std::string bmp = slurp(web() / "wvleft.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[2]) | static_cast<unsigned char>(bmp[3]) << 8 |
                  static_cast<unsigned char>(bmp[4]) << 16,
              bmp.size())
        << "the header's file size";
    const std::string gif = slurp(web() / "wvline.gif");
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    EXPECT_EQ(gif.back(), ';');
    EXPECT_FALSE(fs::exists(web() / "folder.lmv"));
    EXPECT_FALSE(fs::exists(web() / "leftimage"));

    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Control Panel\\Colors", "Window"),
              "255 255 255");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Control Panel\\Colors", "ButtonFace"),
              "192 192 192");
    EXPECT_EQ(p.sysColor(syscolor::BtnFace), 0xC0C0C0u);
    EXPECT_EQ(p.sysColor(syscolor::Highlight), 0x800000u); // navy, blue in the third byte

    for (const auto& entry : fs::directory_iterator(temporary))
        EXPECT_EQ(entry.path().filename(), "root") << "no set-up leftovers";
}

TEST_F(Emulated, AnEmptyRootFolderIsSetUpAsAFreshOneKeepingItsPermissions) {
    // As `mktemp -d` leaves it: empty and for its owner only.
    fs::create_directories(root);
    fs::permissions(root, fs::perms::owner_all);
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    ASSERT_TRUE(p.folderExists("C:\\WINDOWS\\Web"));
    EXPECT_EQ(slurp(web() / "folder.htt"), lumivane::standardTemplateBytes());
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Control Panel\\Colors", "Window"),
              "255 255 255");
    EXPECT_EQ(fs::status(root).permissions() & fs::perms::all, fs::perms::owner_all);
    for (const auto& entry : fs::directory_iterator(temporary))
        EXPECT_EQ(entry.path().filename(), "root") << "no set-up leftovers";
}

TEST_F(Emulated, ARootWithAnythingInItIsNeverSetUpAgain) {
    fs::create_directories(root);
    spill(root / "notes.txt", "mine");
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    EXPECT_FALSE(p.folderExists("C:\\WINDOWS\\Web"));
    EXPECT_FALSE(fs::exists(root / "drive_c"));
    EXPECT_EQ(slurp(root / "notes.txt"), "mine");

    EmulatedPlatform first(temporary / "other", lumivane::standardTemplateBytes());
    ASSERT_TRUE(first.folderExists("C:\\WINDOWS\\Web"));
    fs::remove_all(temporary / "other" / "drive_c" / "WINDOWS" / "Web");
    EmulatedPlatform second(temporary / "other", lumivane::standardTemplateBytes());
    EXPECT_FALSE(second.folderExists("C:\\WINDOWS\\Web"));
}

TEST_F(Emulated, DrivesMapAsWindowsSeesThem) {
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    ASSERT_TRUE(p.folderExists("C:\\WINDOWS"));
    EXPECT_TRUE(p.folderExists("c:\\windows\\web")) << "letters and names in any case";
    EXPECT_TRUE(p.fileExists("C:/WINDOWS/Web/FOLDER.HTT")) << "forward slashes separate too";
    EXPECT_EQ(p.hostPath("c:\\windows\\web\\folder.htt"), (web() / "folder.htt").string());
    EXPECT_EQ(p.hostPath("C:\\..\\..\\WINDOWS"), (root / "drive_c" / "WINDOWS").string())
        << "no way out of the drive";
    EXPECT_EQ(p.hostPath("Z:\\tmp\\a b\\写真.jpg"), "/tmp/a b/写真.jpg");
    EXPECT_EQ(p.windowsPath("/home/me/a.jpg"), "Z:\\home\\me\\a.jpg");
    EXPECT_EQ(p.windowsPath("/"), "Z:\\");
    EXPECT_EQ(p.windowsPath((root / "drive_c").string()), "C:\\");

    for (const char* nowhere : {"D:\\x", "WINDOWS\\Web", "\\\\server\\share\\a", ""}) {
        EXPECT_FALSE(p.hostPath(nowhere).has_value()) << nowhere;
        EXPECT_FALSE(p.fileExists(nowhere)) << nowhere;
        EXPECT_FALSE(p.createFolder(nowhere).ok) << nowhere;
        EXPECT_FALSE(p.replaceFile(nowhere, "x").ok) << nowhere;
    }
}

TEST_F(Emulated, ProgramFolderIsTheExecutablesFolderOnDriveZ) {
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(p.hostPath(p.programFolder()), exe.parent_path().string());
    EXPECT_EQ(p.programFolder().substr(0, 3), "Z:\\");
}

TEST_F(Emulated, ReadOnlyFolderRefusesNewEntriesWhoeverRunsIt) {
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    ASSERT_TRUE(p.folderExists("C:\\WINDOWS\\Web"));
    ASSERT_EQ(::chmod(web().c_str(), 0555), 0);
    const lumivane::Status created = p.createFolder("C:\\WINDOWS\\Web\\leftimage");
    EXPECT_FALSE(created.ok);
    EXPECT_EQ(created.message, "アクセスが拒否されました");
    EXPECT_EQ(created.path, "C:\\WINDOWS\\Web\\leftimage");
    EXPECT_FALSE(p.replaceFile("C:\\WINDOWS\\Web\\folder.htt", "x").ok);
    EXPECT_FALSE(p.copyFile("C:\\WINDOWS\\Web\\folder.htt", "C:\\WINDOWS\\Web\\folder.lmv").ok);
    EXPECT_FALSE(fs::exists(web() / "leftimage"));
    EXPECT_FALSE(fs::exists(web() / "folder.lmv"));
}

TEST_F(Emulated, CopyOfAReadOnlyPictureCanBeReplacedLater) {
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    ASSERT_TRUE(p.createFolder("C:\\pics"));
    spill(root / "drive_c" / "pics" / "a.jpg", "one");
    ::chmod((root / "drive_c" / "pics" / "a.jpg").c_str(), 0444);
    ASSERT_TRUE(p.copyFile("C:\\pics\\a.jpg", "C:\\pics\\0.lmv"));
    spill(root / "drive_c" / "pics" / "b.jpg", "two");
    EXPECT_TRUE(p.copyFile("C:\\pics\\b.jpg", "C:\\pics\\0.lmv"));
    EXPECT_EQ(slurp(root / "drive_c" / "pics" / "0.lmv"), "two");
}

TEST_F(Emulated, WriteFailingHalfWayLeavesTheOldFileWhole) {
    const std::string old = [&] {
        EmulatedPlatform setUp(root, lumivane::standardTemplateBytes());
        setUp.folderExists("C:\\");
        return slurp(web() / "folder.htt");
    }();
    DiskFullHalfWay p(root);
    const lumivane::Status replaced =
        p.replaceFile("C:\\WINDOWS\\Web\\folder.htt", std::string(100000, 'x'));
    EXPECT_FALSE(replaced.ok);
    EXPECT_EQ(replaced.message, "ディスクの空き容量が足りません");
    EXPECT_EQ(slurp(web() / "folder.htt"), old);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(web()))
        ++entries;
    EXPECT_EQ(entries, 3) << "folder.htt, wvleft.bmp, wvline.gif and nothing else";
}

TEST_F(Emulated, DamagedRegistryIsMovedAsideAndStartedAfresh) {
    {
        EmulatedPlatform setUp(root, lumivane::standardTemplateBytes());
        setUp.regSetString(RootKey::CurrentUser, "A", "B", "C");
    }
    const std::string garbage(4096, '\x5A');
    spill(root / "registry.sqlite3", garbage);

    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "A", "B"), "");
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("registry.sqlite3.damaged"), std::string::npos) << said;
    EXPECT_EQ(slurp(root / "registry.sqlite3.damaged"), garbage) << "kept, not deleted";

    p.regSetString(RootKey::CurrentUser, "A", "B", "again");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "A", "B"), "again");

    spill(root / "registry.sqlite3", "not a database either, but longer than a header......");
    ::testing::internal::CaptureStderr();
    p.regSetString(RootKey::CurrentUser, "A", "B", "third");
    ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(fs::exists(root / "registry.sqlite3.damaged-2"));
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "A", "B"), "third");
}

TEST_F(Emulated, TwoInstancesShareTheRegistryAndWaitForEachOther) {
    EmulatedPlatform one(root, lumivane::standardTemplateBytes());
    EmulatedPlatform two(root, lumivane::standardTemplateBytes());
    one.regSetString(RootKey::CurrentUser, "K", "First", "1");
    two.regSetString(RootKey::CurrentUser, "K", "Second", "2");
    EXPECT_EQ(one.regGetString(RootKey::CurrentUser, "K", "Second"), "2");
    EXPECT_EQ(two.regGetString(RootKey::CurrentUser, "K", "First"), "1");

    // Another writer holds the database for a moment; the write waits instead of failing.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((root / "registry.sqlite3").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread holder([db] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    });
    one.regSetString(RootKey::CurrentUser, "K", "Third", "3");
    holder.join();
    sqlite3_close(db);
    EXPECT_EQ(two.regGetString(RootKey::CurrentUser, "K", "Third"), "3");
}

TEST_F(Emulated, RegistryReadsOnlyTextValuesAsText) {
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    p.regSetString(RootKey::CurrentUser, "Other", "Text", "12 34");
    // Another program's values, stored as Windows stores them: text in UTF-16, a number as
    // four bytes that would read as "AAA" if taken for text.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((root / "registry.sqlite3").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "INSERT INTO reg_value VALUES"
                           " ('OTHER', 'BARE', 'Bare', 1, x'320035003500200030002000'),"
                           " ('OTHER', 'EXPAND', 'Expand', 2, x'250041002500000078000000'),"
                           " ('OTHER', 'NUMBER', 'Number', 4, x'41414100'),"
                           " ('OTHER', 'BYTES', 'Bytes', 3, x'414243')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Other", "Text"), "12 34");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Other", "Bare"), "255 0 ");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Other", "Expand"), "%A%");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Other", "Number"), "");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Other", "Bytes"), "");
}

TEST_F(Emulated, StoredColoursFillTheTableAndBadOnesFallBack) {
    {
        EmulatedPlatform setUp(root, lumivane::standardTemplateBytes());
        setUp.regSetString(RootKey::CurrentUser, "Control Panel\\Colors", "Window", "0 128 255");
        setUp.regSetString(RootKey::CurrentUser, "Control Panel\\Colors", "MenuText", "1 2");
        setUp.regSetString(RootKey::CurrentUser, "Control Panel\\Colors", "ButtonText", "256 0 0");
        setUp.regSetString(RootKey::CurrentUser, "Control Panel\\Colors", "WindowText", "-1 0 0");
    }
    EmulatedPlatform p(root, lumivane::standardTemplateBytes());
    EXPECT_EQ(p.sysColor(syscolor::Window), 0xFF8000u);
    EXPECT_EQ(p.sysColor(syscolor::MenuText), 0u);
    EXPECT_EQ(p.sysColor(syscolor::BtnText), 0u);
    EXPECT_EQ(p.sysColor(syscolor::WindowText), 0u);
    EXPECT_EQ(p.sysColor(-1), 0u);
    EXPECT_EQ(p.sysColor(31), 0u);

    // Setting a colour lasts for this run only; the registry keeps its own value.
    p.setSysColor(syscolor::Window, 0x123456);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Control Panel\\Colors", "Window"), "0 128 255");
    EXPECT_EQ(EmulatedPlatform(root, lumivane::standardTemplateBytes()).sysColor(syscolor::Window),
              0xFF8000u);
}

TEST(EmulatedRoot, ComesFromTheEnvironment) {
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    };
    const auto root = keep("LUMIVANE_ROOT");
    const auto xdg = keep("XDG_DATA_HOME");
    const auto home = keep("HOME");

    ::setenv("LUMIVANE_ROOT", "/tmp/lv-root", 1);
    ::setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
    ::setenv("HOME", "/tmp/home", 1);
    EXPECT_EQ(EmulatedPlatform::defaultRoot(), "/tmp/lv-root");
    ::unsetenv("LUMIVANE_ROOT");
    EXPECT_EQ(EmulatedPlatform::defaultRoot(), "/tmp/xdg/lumivane");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(EmulatedPlatform::defaultRoot(), "/tmp/home/.local/share/lumivane");

    restore("LUMIVANE_ROOT", root);
    restore("XDG_DATA_HOME", xdg);
    restore("HOME", home);
}

} // namespace
