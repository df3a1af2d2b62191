// Arguments and standard streams where they already are UTF-8 bytes.
#include "cli/console.h"

#include <cstdio>

namespace lumivane::cli {

std::vector<std::string> arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

bool writeBytes(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

bool writeText(std::string_view utf8) {
    return writeBytes(utf8);
}

void writeError(std::string_view utf8) {
    std::string line = "lumivane-cli: ";
    line += printableLine(utf8);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace lumivane::cli
