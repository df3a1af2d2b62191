// lumivane-cli's argument parsing through the template command: any arguments end in
// success (exit 0, a template on standard output) or a usage error (exit 2, nothing on
// standard output), never anything else.
#include "cli/commands.h"
#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Standard output goes to an in-memory file whose size tells whether anything was written.
int captureStdout() {
    static const int fd = [] {
        const int memory = memfd_create("stdout", 0);
        if (memory < 0 || dup2(memory, STDOUT_FILENO) < 0)
            std::abort();
        return memory;
    }();
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int out = captureStdout();
    if (ftruncate(out, 0) != 0 || lseek(out, 0, SEEK_SET) != 0)
        std::abort();

    lumivane::fuzz::Input input(data, size);
    std::vector<std::string> args;
    while (!input.empty() && args.size() < 8)
        args.push_back(input.text());

    const int status = lumivane::cli::templateCommand.run(args);
    std::fflush(stdout);
    struct stat written {};
    if (fstat(out, &written) != 0)
        std::abort();
    if (status == lumivane::cli::kExitOk && written.st_size == 0)
        std::abort();
    if (status == lumivane::cli::kExitUsage && written.st_size != 0)
        std::abort();
    if (status != lumivane::cli::kExitOk && status != lumivane::cli::kExitUsage)
        std::abort();
    return 0;
}
