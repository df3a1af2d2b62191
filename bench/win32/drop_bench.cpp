// Win32 drop benchmark, run under Wine: the photos in a folder (bench/run makes 200 JPEGs of
// 3000 x 2000 pixels) dropped onto the drop frame of the Win32 main window as the shell drops
// them. Prints the peak memory growth during the drop as a ratio to the files' total size:
// each photo is decoded once and kept only at its thumbnail's size.
//
//   win32_drop_bench PHOTO_FOLDER
#include "app/fmain_form.h"
#include "app/win32/fmain.h"
#include "figure.h"
#include "platform/win32/wide.h"
#include "shell_drop.h"
#include "template/template_text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <psapi.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace lumivane;

PROCESS_MEMORY_COUNTERS memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

/// Under Wine the process is a Linux process: writing 5 to its clear_refs resets the peak
/// resident size to the present one. False elsewhere.
bool resetPeak() {
    const HANDLE file = CreateFileW(L"Z:\\proc\\self\\clear_refs", GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, "5", 1, &written, nullptr);
    CloseHandle(file);
    return ok && written == 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: win32_drop_bench PHOTO_FOLDER\n");
        return 2;
    }
    std::vector<std::string> photos;
    double totalBytes = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[1])) {
        if (entry.path().extension() == L".jpg") {
            photos.push_back(platform::win32::fromWide(entry.path().wstring()));
            totalBytes += static_cast<double>(entry.file_size());
        }
    }
    std::sort(photos.begin(), photos.end());
    if (photos.empty() || FAILED(OleInitialize(nullptr))) {
        std::fprintf(stderr, "win32_drop_bench: no photos in the folder\n");
        return 2;
    }

    int shown = 0;
    double growth = 0;
    {
        const auto platform = platform::makeSystemPlatform(standardTemplateBytes());
        app::win32::Fmain window(*platform);
        window.show();
        const bool reset = resetPeak();
        const SIZE_T before = memory().WorkingSetSize;
        win32::testing::dropFiles(window.form().hwnd(app::fmain::Frame1), photos);
        const SIZE_T peak = memory().PeakWorkingSetSize;
        growth = static_cast<double>(peak) - static_cast<double>(before);
        for (int i = 0; i < window.rules().imageCount(); ++i)
            shown += window.form().picture(app::fmain::thumnail(i)) ? 1 : 0;
        std::printf("photos dropped:   %zu (%d shown), %.1f MiB in all\n", photos.size(), shown,
                    totalBytes / 1048576.0);
        std::printf("peak growth:      %.1f MiB (peak reset before the drop: %s)\n",
                    growth / 1048576.0, reset ? "yes" : "no");
    }
    OleUninitialize();

    // The same target as the Qt program's: 1.5 times the files' size plus a fixed 64 MiB.
    const double allowance = 64.0 * 1024 * 1024;
    std::printf("memory ratio:     %.3f of the files' size\n", growth / totalBytes);
    bench::printFigure("win32 drop under Wine: peak memory growth vs the files' size",
                       growth / 1048576.0, totalBytes / 1048576.0, "MiB",
                       (1.5 * totalBytes + allowance) / totalBytes);
    return shown == static_cast<int>(photos.size()) ? 0 : 1;
}
