// Stand-ins for the functions of later Windows that the runtime libraries import behind the
// program's back: winpthread, which the posix thread model links in, asks kernel32 for
// GetTickCount64 (Vista) and for the vectored exception handler functions (XP). Windows
// 2000's loader refuses a program that imports a function its DLLs lack, so this file fills
// the import slots those calls go through; the linker then takes no import for them. Each
// stand-in uses the system's own function where there is one and otherwise does without.
#include "platform/win32/tick_count.h"

#include <atomic>
#include <windows.h>

namespace {

template <class Function> Function systemFunction(const char* name) {
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    // Through void (*)(), the one function type any other converts to without a warning.
    return kernel32 ? reinterpret_cast<Function>(
                          reinterpret_cast<void (*)()>(GetProcAddress(kernel32, name)))
                    : nullptr;
}

using TickCount64 = ULONGLONG(WINAPI*)();
using AddHandler = PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER);
using RemoveHandler = ULONG(WINAPI*)(PVOID);

ULONGLONG WINAPI tickCount64() {
    static const TickCount64 system = systemFunction<TickCount64>("GetTickCount64");
    if (system)
        return system();
    static std::atomic<std::uint64_t> last{0};
    std::uint64_t seen = last.load();
    std::uint64_t wide;
    do
        wide = lumivane::platform::win32::widenTickCount(seen, GetTickCount());
    while (wide > seen && !last.compare_exchange_weak(seen, wide));
    return wide > seen ? wide : seen;
}

// Without vectored handlers winpthread only leaves its threads unnamed for a debugger.
PVOID WINAPI addVectoredExceptionHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
    static const AddHandler system = systemFunction<AddHandler>("AddVectoredExceptionHandler");
    return system ? system(first, handler) : nullptr;
}

ULONG WINAPI removeVectoredExceptionHandler(PVOID handle) {
    static const RemoveHandler system =
        systemFunction<RemoveHandler>("RemoveVectoredExceptionHandler");
    return system && handle ? system(handle) : 0;
}

} // namespace

// The import slots by their linker names: decorated with the argument bytes on i686.
#if defined(__i386__)
#define LUMIVANE_IMPORT_SLOT(name, bytes) __asm__("__imp__" #name "@" #bytes)
#else
#define LUMIVANE_IMPORT_SLOT(name, bytes) __asm__("__imp_" #name)
#endif

extern "C" {
TickCount64 lumivaneGetTickCount64 LUMIVANE_IMPORT_SLOT(GetTickCount64, 0) = &tickCount64;
AddHandler lumivaneAddVectoredExceptionHandler
    LUMIVANE_IMPORT_SLOT(AddVectoredExceptionHandler, 8) = &addVectoredExceptionHandler;
RemoveHandler lumivaneRemoveVectoredExceptionHandler
    LUMIVANE_IMPORT_SLOT(RemoveVectoredExceptionHandler, 4) = &removeVectoredExceptionHandler;
}
