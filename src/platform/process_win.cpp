#include "program.h"

#include <cstdio>
#include <windows.h>

namespace kordavel {

void writeToConsole(const QString &text, ConsoleStream stream)
{
    // A windowed program has no console of its own. Handles a script passed
    // (a file, a pipe) are used as they are; otherwise the console of the
    // program that started this one, if it has one.
    const DWORD which = stream == ConsoleStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = GetStdHandle(which);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
            return;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE)
            return;
    }
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
    } else {
        // Console programs that read a pipe take the text in the ANSI code page.
        const QByteArray bytes = text.toLocal8Bit();
        WriteFile(out, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    }
}

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
