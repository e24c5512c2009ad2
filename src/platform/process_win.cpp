#include "program.h"

#include <cstdio>
#include <windows.h>

namespace kordavel {

void endProcessNow(int status)
{
    std::fflush(nullptr);
    // ExitProcess would run every library's shutdown while the window's
    // toolkit is still alive, and would wait for the loader lock a held
    // thread may own; TerminateProcess does neither.
    TerminateProcess(GetCurrentProcess(), UINT(status));
    for (;;) // TerminateProcess on the own process does not return
        Sleep(INFINITE);
}

} // namespace kordavel
