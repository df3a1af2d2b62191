// The emulated system opened for looking only, as the folder viewer opens it.
#include "platform/emulated/emulated_platform.h"
#include "support/emulated_root.h"
#include "template/template_text.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using lumivane::platform::EmulatedPlatform;
using lumivane::platform::RootKey;
using lumivane::testing::EmulatedRoot;
constexpr auto ReadOnly = EmulatedPlatform::Access::ReadOnly;

/// Every file and folder under `root` with its size and modification time, to compare.
std::string snapshot(const fs::path& root) {
    std::string out;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(root, ec)) {
        out += entry.path().string();
        if (entry.is_regular_file()) {
            out += ' ';
            out += std::to_string(entry.file_size());
            out += ' ';
            out += std::to_string(entry.last_write_time().time_since_epoch().count());
        }
        out += "\n";
    }
    return out;
}

TEST(ReadOnlyPlatform, AMissingRootStaysMissingAndReadsAsEmpty) {
    EmulatedRoot system;
    EmulatedPlatform p(system.root(), {}, ReadOnly);
    EXPECT_FALSE(p.folderExists("C:\\WINDOWS\\Web"));
    EXPECT_FALSE(p.readFile("C:\\WINDOWS\\Web\\folder.htt").has_value());
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Control Panel\\Colors", "Window"), "");
    // The classic colours stand in for a registry that is not there.
    EXPECT_EQ(p.sysColor(lumivane::platform::syscolor::Window), 0xFFFFFFu);
    EXPECT_FALSE(fs::exists(system.root()));
    // Drive Z: is the host's own and readable without any system.
    EXPECT_TRUE(p.folderExists(p.windowsPath(system.outside().string())));
}

TEST(ReadOnlyPlatform, ReadsASystemButNeverWritesOrRepairsIt) {
    EmulatedRoot system;
    {
        EmulatedPlatform writer(system.root(), lumivane::standardTemplateBytes());
        writer.regSetString(RootKey::CurrentUser, "Software\\Test", "Value", "テキスト");
    }
    EmulatedPlatform p(system.root(), {}, ReadOnly);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "software\\test", "value"), "テキスト");
    EXPECT_TRUE(p.readFile("C:\\WINDOWS\\Web\\folder.htt").has_value());

    const std::string before = snapshot(system.root());
    EXPECT_FALSE(p.replaceFile("C:\\WINDOWS\\Web\\folder.htt", "x").ok);
    EXPECT_FALSE(p.createFolder("C:\\WINDOWS\\Web\\leftimage").ok);
    EXPECT_FALSE(p.copyFile("C:\\WINDOWS\\Web\\wvline.gif", "C:\\WINDOWS\\Web\\copy.gif").ok);
    p.regSetString(RootKey::CurrentUser, "Software\\Test", "Value", "changed");
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, "Software\\Test", "Value"), "テキスト");
    EXPECT_EQ(snapshot(system.root()), before);

    // A damaged registry is left where it is for the program that owns it.
    EmulatedRoot::write(system.root() / "registry.sqlite3", std::string(4096, 'Z'));
    const std::string damaged = snapshot(system.root());
    EmulatedPlatform again(system.root(), {}, ReadOnly);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(again.regGetString(RootKey::CurrentUser, "Software\\Test", "Value"), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(snapshot(system.root()), damaged);
}

} // namespace
