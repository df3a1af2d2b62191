// The stand-ins for the runtime's imports of later Windows: a call through the import slot
// reaches them, and on a system that has the real function (Wine has) they hand over to it.
#include <gtest/gtest.h>
#include <windows.h>

extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

namespace {

template <class Function> Function kernel32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

LONG WINAPI passOn(EXCEPTION_POINTERS*) {
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

TEST(RuntimeShims, HandOverToTheSystemsOwnFunctions) {
    using TickCount64 = ULONGLONG(WINAPI*)();
    const auto system = kernel32Function<TickCount64>("GetTickCount64");
    ASSERT_NE(system, nullptr);
    const ULONGLONG before = system();
    const ULONGLONG through = GetTickCount64();
    const ULONGLONG after = system();
    EXPECT_GE(through, before);
    EXPECT_LE(through, after);

    // The handler really is registered with the system, and removed again.
    PVOID handle = AddVectoredExceptionHandler(1, &passOn);
    ASSERT_NE(handle, nullptr);
    EXPECT_NE(RemoveVectoredExceptionHandler(handle), 0u);
}

TEST(RuntimeShims, FillTheImportSlotsInsteadOfKernel32) {
    // The slot the call goes through holds the stand-in, not the address of kernel32's own.
    extern ULONGLONG(WINAPI * lumivaneGetTickCount64)() __asm__(
#if defined(__i386__)
        "__imp__GetTickCount64@0"
#else
        "__imp_GetTickCount64"
#endif
    );
    using TickCount64 = ULONGLONG(WINAPI*)();
    EXPECT_NE(lumivaneGetTickCount64, kernel32Function<TickCount64>("GetTickCount64"));
}
