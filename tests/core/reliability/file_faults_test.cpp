// Apply and restore with every file operation failing in turn, and with the disk filling up
// halfway through a write: the template is always the old one or the new one whole, the
// backup is never overwritten, and the next try succeeds.
#include "support/emulated_root.h"
#include "support/faulty_platform.h"
#include "template/apply.h"
#include "template/template_text.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using lumivane::ApplyResult;
using lumivane::ApplyTemplate;
using lumivane::CopyPictureStock;
using lumivane::TemplateOptions;
using lumivane::platform::EmulatedPlatform;
using lumivane::platform::Platform;
using lumivane::testing::EmulatedRoot;
using lumivane::testing::FaultyPlatform;

constexpr std::string_view kReason = "テスト用の障害です";

/// One recorded file operation: its kind and the path a fault is matched against.
struct Operation {
    FaultyPlatform::Op op;
    std::string target;
};

Operation parse(const std::string& call) {
    const auto space = call.find(' ');
    const std::string kind = call.substr(0, space);
    std::string rest = call.substr(space + 1);
    if (kind == "createFolder")
        return {FaultyPlatform::Op::CreateFolder, rest};
    if (kind == "copyFile")
        return {FaultyPlatform::Op::CopyFile, rest.substr(rest.find(" -> ") + 4)};
    return {FaultyPlatform::Op::ReplaceFile, rest};
}

/// Makes call `index` of `calls` fail and no other: faults match by path part, so the calls
/// of the same kind before it whose path contains its path are let through.
void failCall(FaultyPlatform& faulty, const std::vector<std::string>& calls, size_t index) {
    const Operation failing = parse(calls[index]);
    int passing = 0;
    for (size_t i = 0; i < index; ++i) {
        const Operation earlier = parse(calls[i]);
        if (earlier.op == failing.op && earlier.target.find(failing.target) != std::string::npos)
            ++passing;
    }
    faulty.failOn(failing.op, failing.target, std::string(kReason), passing);
}

/// A temporary emulated system, optionally with a first apply already made, and what the
/// main window's two buttons do on it.
class System {
public:
    explicit System(bool appliedBefore) {
        EXPECT_TRUE(platform.folderExists("C:\\WINDOWS\\Web")); // sets the system up
        standard = EmulatedRoot::read(sys.web() / "folder.htt");
        for (int i = 0; i < 3; ++i) {
            newPictures.push_back(picture("new" + std::to_string(i) + ".jpg",
                                          "\xFF\xD8 new picture " + std::to_string(i)));
        }
        if (appliedBefore) {
            TemplateOptions old;
            old.chkShowLine = 0;
            old.txtLinkTitle[0] = "前のリンク";
            const std::vector<std::string> two{picture("old0.gif", "GIF89a old 0"),
                                               picture("old1.bmp", "BM old 1")};
            EXPECT_FALSE(make(platform, two, old).failed);
        }
    }

    ApplyResult make(Platform& p, const std::vector<std::string>& stock,
                     const TemplateOptions& options) {
        std::string folder;
        const ApplyResult applied =
            ApplyTemplate(p, false, options, static_cast<int>(stock.size()), folder);
        if (applied.failed)
            return applied;
        return CopyPictureStock(p, folder, stock, nullptr);
    }
    ApplyResult restore(Platform& p) {
        std::string folder;
        return ApplyTemplate(p, true, {}, static_cast<int>(newPictures.size()), folder);
    }

    std::string picture(const std::string& name, std::string_view bytes) {
        const fs::path host = sys.outside() / name;
        EmulatedRoot::write(host, bytes);
        return platform.windowsPath(host.string());
    }
    std::string read(const fs::path& relative) const {
        return EmulatedRoot::read(sys.web() / relative);
    }
    bool exists(const fs::path& relative) const { return fs::exists(sys.web() / relative); }
    /// Every file and folder under the Web folder, as relative paths.
    std::set<std::string> listing() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(sys.web()))
            names.insert(fs::relative(entry.path(), sys.web()).string());
        return names;
    }

    EmulatedRoot sys;
    EmulatedPlatform platform{sys.root(), lumivane::standardTemplateBytes()};
    std::string standard;
    std::vector<std::string> newPictures;
};

TemplateOptions newOptions() {
    TemplateOptions options = TemplateOptions::preset();
    options.txtLinkTitle[1] = "新しいリンク";
    return options;
}

std::string templateFor(System& s, bool restore) {
    lumivane::TemplateInput input;
    input.restore = restore;
    input.options = newOptions();
    input.imageCount = static_cast<int>(s.newPictures.size());
    input.scriptFolder = "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\";
    input.programFolder = s.platform.programFolder();
    return lumivane::templateBytes(input);
}

/// The calls a fault-free run makes on a system in the given state.
std::vector<std::string> recordCalls(bool appliedBefore, bool restore) {
    System s(appliedBefore);
    FaultyPlatform recorder(s.platform);
    const ApplyResult result =
        restore ? s.restore(recorder) : s.make(recorder, s.newPictures, newOptions());
    EXPECT_FALSE(result.failed) << result.message;
    return recorder.calls();
}

class EveryOperationFails : public ::testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(EveryOperationFails, LeavesOneWholeTemplateAndTheBackupAndRecovers) {
    const auto [appliedBefore, restore] = GetParam();
    const std::vector<std::string> calls = recordCalls(appliedBefore, restore);
    ASSERT_GE(calls.size(), restore ? 1u : 4u);
    size_t templateCall = calls.size();
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].starts_with("replaceFile"))
            templateCall = i;
    ASSERT_LT(templateCall, calls.size());

    for (size_t failing = 0; failing < calls.size(); ++failing) {
        SCOPED_TRACE("failing: " + calls[failing]);
        System s(appliedBefore);
        const std::string oldTemplate = s.read("folder.htt");
        const bool hadBackup = s.exists("folder.lmv");
        std::map<int, std::string> oldCopies;
        for (int i = 0; i < 3; ++i)
            if (s.exists("leftimage/" + std::to_string(i) + ".lmv"))
                oldCopies[i] = s.read("leftimage/" + std::to_string(i) + ".lmv");

        FaultyPlatform faulty(s.platform);
        failCall(faulty, calls, failing);
        const ApplyResult result =
            restore ? s.restore(faulty) : s.make(faulty, s.newPictures, newOptions());

        EXPECT_TRUE(result.failed);
        EXPECT_NE(result.message.find(kReason), std::string::npos) << result.message;
        EXPECT_EQ(faulty.calls().size(), failing + 1) << "stops at the failing operation";
        const std::string now = s.read("folder.htt");
        EXPECT_EQ(now, failing > templateCall ? templateFor(s, restore) : oldTemplate);
        if (hadBackup || s.exists("folder.lmv")) {
            EXPECT_EQ(s.read("folder.lmv"), s.standard) << "the backup is the first template";
        }
        for (int i = 0; i < 3; ++i) {
            const std::string name = "leftimage/" + std::to_string(i) + ".lmv";
            const std::string fresh = "\xFF\xD8 new picture " + std::to_string(i);
            // The recording ran on another temporary system: match the copy by its target.
            const std::string copyTarget =
                " -> C:\\WINDOWS\\Web\\leftimage\\" + std::to_string(i) + ".lmv";
            const bool copiedBefore =
                std::any_of(calls.begin(), calls.begin() + static_cast<long>(failing),
                            [&](const std::string& call) { return call.ends_with(copyTarget); });
            if (copiedBefore)
                EXPECT_EQ(s.read(name), fresh);
            else if (oldCopies.contains(i))
                EXPECT_EQ(s.read(name), oldCopies[i]) << name << " is the old copy whole";
            else
                EXPECT_FALSE(s.exists(name));
        }
        for (const std::string& name : s.listing())
            EXPECT_EQ(name.find(".lumivane-"), std::string::npos) << "left behind: " << name;

        // Once the fault is gone the same button does its whole work.
        const ApplyResult again =
            restore ? s.restore(s.platform) : s.make(s.platform, s.newPictures, newOptions());
        EXPECT_FALSE(again.failed) << again.message;
        EXPECT_EQ(s.read("folder.htt"), templateFor(s, restore));
        EXPECT_EQ(s.read("folder.lmv"), s.standard);
    }
}

INSTANTIATE_TEST_SUITE_P(FreshOrAppliedBefore_ApplyOrRestore, EveryOperationFails,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

/// Runs `work` in a child process whose files may not grow past `limitBytes` (writes past
/// it fail with EFBIG, as on a full disk) and returns the child's exit code.
template <typename Work> int withFileSizeLimit(rlim_t limitBytes, Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(99);
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(DiskFull, TemplateWriteStopsHalfwayAndTheOldTemplateStaysWhole) {
    System s(true);
    const std::string before = s.read("folder.htt");
    const std::set<std::string> filesBefore = s.listing();
    TemplateOptions big = newOptions();
    big.txtLinkTitle[0] = std::string(20000, 'x'); // the new text is far past the limit
    const int code = withFileSizeLimit(before.size() + 1000, [&] {
        EmulatedPlatform own(s.sys.root(), lumivane::standardTemplateBytes());
        std::string folder;
        const ApplyResult result = ApplyTemplate(own, false, big, 3, folder);
        return result.failed &&
                       result.message.find("元のテンプレートはそのままです") != std::string::npos
                   ? 0
                   : 1;
    });
    EXPECT_EQ(code, 0) << "the failure is reported";
    EXPECT_EQ(s.read("folder.htt"), before);
    EXPECT_EQ(s.read("folder.lmv"), s.standard);
    EXPECT_EQ(s.listing(), filesBefore) << "no temporary file is left behind";
}

TEST(DiskFull, BackupThatDoesNotFitIsNotLeftTruncated) {
    System s(false);
    ASSERT_GT(s.standard.size(), 200u);
    const int code = withFileSizeLimit(s.standard.size() / 2, [&] {
        EmulatedPlatform own(s.sys.root(), lumivane::standardTemplateBytes());
        std::string folder;
        return ApplyTemplate(own, false, newOptions(), 3, folder).failed ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(s.exists("folder.lmv")) << "a half backup would be kept for ever";
    EXPECT_EQ(s.read("folder.htt"), s.standard);

    // With room again the backup is made from the untouched template.
    EXPECT_FALSE(s.make(s.platform, s.newPictures, newOptions()).failed);
    EXPECT_EQ(s.read("folder.lmv"), s.standard);
}

TEST(DiskFull, PictureCopyThatDoesNotFitKeepsTheOldCopyWhole) {
    System s(true);
    const std::string oldCopy = s.read("leftimage/1.lmv");
    const std::vector<std::string> stock{
        s.picture("small.jpg", "\xFF\xD8 small"),
        s.picture("large.jpg", "\xFF\xD8" + std::string(256 * 1024, 'L'))};
    const int code = withFileSizeLimit(64 * 1024, [&] {
        EmulatedPlatform own(s.sys.root(), lumivane::standardTemplateBytes());
        std::string folder = "C:\\WINDOWS\\Web\\leftimage";
        const ApplyResult result = CopyPictureStock(own, folder, stock, nullptr);
        return result.failed && result.message.starts_with("2枚目の画像を「1.lmv」に") ? 0 : 1;
    });
    EXPECT_EQ(code, 0) << "the failed copy is named";
    EXPECT_EQ(s.read("leftimage/0.lmv"), "\xFF\xD8 small");
    EXPECT_EQ(s.read("leftimage/1.lmv"), oldCopy);
    for (const std::string& name : s.listing())
        EXPECT_EQ(name.find(".lumivane-"), std::string::npos) << "left behind: " << name;
}

TEST(KilledWhileBackingUp, BackupIsWholeOrAbsentAndMadeAgainWhole) {
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        System s(false);
        // A template of the user's own, large enough that writing its backup takes a while.
        const std::string own = "<html>" + std::string(32 * 1024 * 1024, 'x') + "</html>";
        EmulatedRoot::write(s.sys.web() / "folder.htt", own);
        const std::set<std::string> before = s.listing();

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            EmulatedPlatform inner(s.sys.root(), lumivane::standardTemplateBytes());
            std::string folder;
            ApplyTemplate(inner, false, newOptions(), 3, folder);
            ::_exit(0);
        }
        // Killed as soon as anything new shows in the Web folder: the backup under way.
        int status = 0;
        bool exited = false;
        while (s.listing() == before && !exited)
            exited = ::waitpid(child, &status, WNOHANG) == child;
        if (!exited) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }

        if (s.exists("folder.lmv")) {
            EXPECT_TRUE(s.read("folder.lmv") == own) << "a part of the backup was left";
        }
        EXPECT_TRUE(s.read("folder.htt") == own || s.read("folder.htt") == templateFor(s, false));

        // The next apply makes the backup, whole, if it is not there yet.
        EXPECT_FALSE(s.make(s.platform, s.newPictures, newOptions()).failed);
        EXPECT_TRUE(s.read("folder.lmv") == own);
    }
}

} // namespace
