#include "windows/win32/drop.h"

#include "platform/win32/wide.h"

namespace lumivane::win32 {

std::vector<std::string> droppedFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    paths.reserve(count);
    std::wstring path;
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        path.assign(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        // No file has an empty path; Wine reports two of them for a drop of none.
        if (!path.empty())
            paths.push_back(platform::win32::fromWide(path));
    }
    return paths;
}

} // namespace lumivane::win32
