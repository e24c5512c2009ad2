#include "drives_win_api.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kordavel::win {

std::vector<std::wstring> splitRootList(const wchar_t *buffer, std::size_t size)
{
    std::wstring text(buffer, size);
    for (wchar_t &c : text)
        if (c == L'\0')
            c = L' ';
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    const std::size_t last = text.find_last_not_of(L' ');
    text = text.substr(first, last - first + 1);
    std::vector<std::wstring> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(L' ', start);
        out.push_back(
            text.substr(start, blank == std::wstring::npos ? std::wstring::npos : blank - start));
        if (blank == std::wstring::npos)
            break;
        start = blank + 1;
    }
    return out;
}

#ifdef _WIN32

void suppressCriticalErrorDialogs()
{
    // SetErrorMode replaces the whole mode: keep what is set already.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

std::optional<std::vector<std::wstring>> logicalDriveRoots()
{
    // The buffer starts as blanks; the call fills it from the start with the
    // roots, each NUL-terminated, and one more NUL; the rest stays blank. Its
    // length is counted in wide characters, as the call counts it.
    std::wstring buffer(kRootListBuffer, L' ');
    if (GetLogicalDriveStringsW(kRootListBuffer, buffer.data()) == 0)
        return std::nullopt;
    return splitRootList(buffer.data(), buffer.size());
}

int driveKind(const std::wstring &root)
{
    return int(GetDriveTypeW(root.c_str()));
}

std::optional<std::wstring> volumeLabel(const std::wstring &root)
{
    // Both lengths are counted in wide characters.
    std::wstring label(kVolumeBuffer, L' ');
    std::wstring fileSystem(kVolumeBuffer, L' ');
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD flags = 0;
    if (GetVolumeInformationW(root.c_str(), label.data(), kVolumeBuffer, &serial, &maxComponent,
                              &flags, fileSystem.data(), kVolumeBuffer) == 0)
        return std::nullopt;
    return label.substr(0, label.find(L'\0'));
}

#endif

} // namespace kordavel::win
