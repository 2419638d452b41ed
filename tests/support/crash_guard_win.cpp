// Linked into every Windows test program: an unhandled exception prints one line and ends the process with exit
// code 3, never with 0, and never opens a dialog.
#include <windows.h>

#include <cstdio>

namespace {

LONG WINAPI ReportAndTerminate(EXCEPTION_POINTERS* info) {
    const unsigned long code = info != nullptr && info->ExceptionRecord != nullptr
                                   ? static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode)
                                   : 0UL;
    std::fprintf(stderr, "wine: Unhandled exception 0x%08lx in test program\n", code);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

struct CrashGuard {
    CrashGuard() {
        SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
        SetUnhandledExceptionFilter(ReportAndTerminate);
    }
};

const CrashGuard kCrashGuard;

}  // namespace
