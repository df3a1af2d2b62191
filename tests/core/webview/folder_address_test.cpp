// Folder addresses: what users type, what the page writes, and the drive addresses between.
#include "page_address_cases.h"
#include "platform/emulated/emulated_platform.h"
#include "support/emulated_root.h"
#include "webview/folder_address.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace lumivane::webview;
using lumivane::platform::EmulatedPlatform;

TEST(FolderAddress, WindowsPathsTakeTheirPlainForm) {
    EXPECT_EQ(normalWindowsPath("c:/windows/web/"), "C:\\windows\\web");
    EXPECT_EQ(normalWindowsPath("C:\\WINDOWS\\..\\..\\x\\.\\y"), "C:\\x\\y");
    EXPECT_EQ(normalWindowsPath("z:"), "Z:\\");
    EXPECT_EQ(normalWindowsPath("Z:\\\\home//me"), "Z:\\home\\me");
    EXPECT_FALSE(normalWindowsPath("C:relative"));
    EXPECT_FALSE(normalWindowsPath("\\\\server\\share"));
    EXPECT_FALSE(normalWindowsPath("/home/me"));

    EXPECT_EQ(parentFolder("C:\\WINDOWS\\Web"), "C:\\WINDOWS");
    EXPECT_EQ(parentFolder("C:\\WINDOWS"), "C:\\");
    EXPECT_FALSE(parentFolder("C:\\"));
    EXPECT_EQ(folderDisplayName("Z:\\home\\me\\"), "me");
    EXPECT_EQ(folderDisplayName("z:"), "Z:\\");
}

TEST(FolderAddress, UsersNameFoldersAsHostOrWindowsPaths) {
    lumivane::testing::EmulatedRoot system;
    EmulatedPlatform platform(system.root(), {}, EmulatedPlatform::Access::ReadOnly);
    EXPECT_EQ(folderAddress("  C:\\WINDOWS\\Web ", platform), "C:\\WINDOWS\\Web");
    EXPECT_EQ(folderAddress("file:///C:/WINDOWS/My%20Web", platform), "C:\\WINDOWS\\My Web");
    EXPECT_EQ(folderAddress("file://c:\\temp", platform), "C:\\temp");
    EXPECT_EQ(folderAddress("/home/me/../you", platform), "Z:\\home\\you");
    EXPECT_EQ(folderAddress("file:///home/me", platform), "Z:\\home\\me");
    EXPECT_EQ(folderAddress((system.root() / "drive_c" / "WINDOWS").string(), platform),
              "C:\\WINDOWS");
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(folderAddress("~/Pictures", platform),
              folderAddress(std::string(home) + "/Pictures", platform));
    EXPECT_FALSE(folderAddress("", platform));
    EXPECT_FALSE(folderAddress("http://example.org/", platform));
    EXPECT_FALSE(folderAddress("mailto:me@example.org", platform));
    EXPECT_FALSE(folderAddress("C:temp", platform));
    EXPECT_EQ(folderAddress("c:", platform), "C:\\");
}

TEST(FolderAddress, DriveAddressesGoBothWays) {
    EXPECT_EQ(driveUrl("C:\\WINDOWS\\Web\\leftimage\\0.lmv"),
              "lumivane://c/WINDOWS/Web/leftimage/0.lmv");
    EXPECT_EQ(driveUrl("Z:\\home\\me\\"), "lumivane://z/home/me/");
    EXPECT_EQ(driveUrl("Z:\\"), "lumivane://z/");
    EXPECT_EQ(driveUrl("Z:\\写真\\a#b?.jpg"), "lumivane://z/%E5%86%99%E7%9C%9F/a%23b%3F.jpg");
    for (const char* path : {"C:\\WINDOWS\\Web\\wvleft.bmp", "Z:\\写真\\a#b?.jpg", "Z:\\a b\\%41",
                             "Z:\\not\xff utf-8"})
        EXPECT_EQ(windowsPathOfDriveUrl(driveUrl(path)), path);
    EXPECT_EQ(windowsPathOfDriveUrl("lumivane://c/WINDOWS/../../etc/passwd"), "C:\\etc\\passwd")
        << "'..' stops at the drive's root";
    EXPECT_FALSE(windowsPathOfDriveUrl("lumivane://view/"));
    EXPECT_FALSE(windowsPathOfDriveUrl("file:///etc/passwd"));
    EXPECT_FALSE(windowsPathOfDriveUrl("lumivane://c/a%00b"));
}

TEST(FolderAddress, ThePagesAddressesAsTheSharedTableSays) {
    const std::vector<lumivane::testing::PageAddressCase> cases =
        lumivane::testing::pageAddressCases();
    ASSERT_GT(cases.size(), 30u);
    for (const auto& [address, expected, line] : cases)
        EXPECT_EQ(pageAddress(address), expected) << "page_addresses.txt line " << line;
}

} // namespace
