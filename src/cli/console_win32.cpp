// Arguments and standard streams on Windows: the arguments come from the UTF-16 command line,
// standard output is switched to binary, and text for a console is written as UTF-16.
#include "cli/console.h"
#include "platform/win32/wide.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>

namespace lumivane::cli {
namespace {

// Text for a console window goes out as UTF-16; a pipe or file gets the UTF-8 bytes.
bool writeTo(DWORD stream, std::FILE* file, std::string_view utf8) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const std::wstring wide = platform::win32::toWide(utf8);
        DWORD written = 0;
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != 0;
    }
    return std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && std::fflush(file) == 0;
}

} // namespace

std::vector<std::string> arguments(int, char**) {
    std::vector<std::string> result;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return result;
    for (int i = 1; i < count; ++i)
        result.push_back(platform::win32::fromWide(wide[i]));
    LocalFree(wide);
    return result;
}

bool writeBytes(std::string_view bytes) {
    _setmode(_fileno(stdout), _O_BINARY);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

bool writeText(std::string_view utf8) {
    return writeTo(STD_OUTPUT_HANDLE, stdout, utf8);
}

void writeError(std::string_view utf8) {
    std::string line = "lumivane-cli: ";
    line += printableLine(utf8);
    line += '\n'; // standard error is in text mode: this becomes CR LF
    writeTo(STD_ERROR_HANDLE, stderr, line);
}

} // namespace lumivane::cli
