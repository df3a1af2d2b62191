// Copy benchmark: a stock of 200 pictures of about 2 MB each copied into the picture folder
// by CopyPictureStock, against `cp` of the same files into another folder. Both run in this
// one process's run, alternately, from a warm page cache; the medians are compared.
//
//   copy_bench [--count N] [--rounds R]
#include "figure.h"
#include "platform/emulated/emulated_platform.h"
#include "template/apply.h"
#include "template/template_text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kPictureBytes = 2 * 1024 * 1024;

/// Runs `cp FILES... DEST` and waits for it.
bool runCp(const std::vector<std::string>& files, const fs::path& destination) {
    std::vector<char*> argv{const_cast<char*>("cp"), const_cast<char*>("--")};
    for (const std::string& file : files)
        argv.push_back(const_cast<char*>(file.c_str()));
    const std::string dest = destination.string();
    argv.push_back(const_cast<char*>(dest.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void emptyFolder(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder))
        fs::remove(entry.path());
    ::sync(); // the previous round's writes go out before the next one is timed
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    int count = 200;
    int rounds = 9;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--count")
            count = std::atoi(argv[i + 1]);
        else if (option == "--rounds")
            rounds = std::atoi(argv[i + 1]);
    }

    std::string pattern = (fs::temp_directory_path() / "lumivane-copy-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return 1;
    const fs::path work = pattern;
    const fs::path pictures = work / "pictures";
    const fs::path cpTarget = work / "cp";
    fs::create_directories(pictures);
    fs::create_directories(cpTarget);

    // Pictures of about 2 MB that do not compress, each a little different in size.
    std::mt19937_64 random(42);
    std::vector<std::string> hostFiles;
    std::string bytes(kPictureBytes + 4096, '\0');
    for (int i = 0; i < count; ++i) {
        for (std::size_t k = 0; k + 8 <= bytes.size(); k += 8) {
            const std::uint64_t word = random();
            std::memcpy(&bytes[k], &word, 8);
        }
        const fs::path file = pictures / ("photo" + std::to_string(i) + ".jpg");
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(kPictureBytes + (i % 7) * 512));
        hostFiles.push_back(file.string());
    }

    lumivane::platform::EmulatedPlatform platform(work / "root", lumivane::standardTemplateBytes());
    std::vector<std::string> stock;
    for (const std::string& file : hostFiles)
        stock.push_back(platform.windowsPath(file));
    std::string leftImageFolder;
    const lumivane::ApplyResult applied =
        lumivane::ApplyTemplate(platform, false, {}, count, leftImageFolder);
    if (applied.failed) {
        std::fprintf(stderr, "copy_bench: %s\n", applied.message.c_str());
        return 1;
    }
    const fs::path leftImage = *platform.hostPath(leftImageFolder);

    // One untimed pass of each reads the pictures into the page cache.
    runCp(hostFiles, cpTarget);
    lumivane::CopyPictureStock(platform, leftImageFolder, stock, nullptr);

    // The two alternate in ABBA order, so that neither always runs in the other's wake.
    const auto timeCp = [&] {
        emptyFolder(cpTarget);
        const auto start = Clock::now();
        const bool ok = runCp(hostFiles, cpTarget);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return ok ? seconds : -1.0;
    };
    const auto timeStock = [&] {
        emptyFolder(leftImage);
        const auto start = Clock::now();
        const lumivane::ApplyResult copied =
            lumivane::CopyPictureStock(platform, leftImageFolder, stock, nullptr);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (copied.failed)
            std::fprintf(stderr, "copy_bench: %s\n", copied.message.c_str());
        return copied.failed ? -1.0 : seconds;
    };
    std::vector<double> cpTimes;
    std::vector<double> stockTimes;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        double cp = 0;
        double ours = 0;
        if (round % 2 == 0) {
            cp = timeCp();
            ours = timeStock();
        } else {
            ours = timeStock();
            cp = timeCp();
        }
        if (cp <= 0 || ours <= 0)
            return 1;
        cpTimes.push_back(cp);
        stockTimes.push_back(ours);
        ratios.push_back(ours / cp);
    }

    std::printf("pictures: %d of about %zu bytes, rounds: %d\n", count, kPictureBytes, rounds);
    std::printf("cp (baseline):     %8.1f ms (median)\n", median(cpTimes) * 1000);
    std::printf("CopyPictureStock:  %8.1f ms (median)\n", median(stockTimes) * 1000);
    std::printf("ratio:             %8.3f (median of the rounds' ratios; target <= 1.15)\n",
                median(ratios));
    // The table's row is the round whose ratio is the median, so that its ratio is the
    // statistic above: the rounds are pairs, and a pair's ratio is steadier than either time.
    const auto middle = static_cast<std::size_t>(
        std::find(ratios.begin(), ratios.end(), median(ratios)) - ratios.begin());
    lumivane::bench::printFigure("copy 200 pictures of 2 MB: CopyPictureStock / cp",
                                 stockTimes[middle] * 1000, cpTimes[middle] * 1000, "ms", 1.15);

    std::error_code ec;
    fs::remove_all(work, ec);
    return 0;
}
