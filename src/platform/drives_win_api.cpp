#include "drives_win_api.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kordavel::win {

std::vector<std::string> splitRootList(const char *buffer, std::size_t size)
{
    std::string text(buffer, size);
    for (char &c : text)
        if (c == '\0')
            c = ' ';
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', start);
        out.push_back(
            text.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos)
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

std::optional<std::vector<std::string>> logicalDriveRoots()
{
    // The buffer starts as blanks; the call fills it from the start with the
    // roots, each NUL-terminated, and one more NUL; the rest stays blank.
    std::string buffer(kRootListBuffer, ' ');
    if (GetLogicalDriveStringsA(kRootListBuffer, buffer.data()) == 0)
        return std::nullopt;
    return splitRootList(buffer.data(), buffer.size());
}

int driveKind(const std::string &root)
{
    return int(GetDriveTypeA(root.c_str()));
}

std::optional<std::string> volumeLabel(const std::string &root)
{
    std::string label(kVolumeBuffer, ' ');
    std::string fileSystem(kVolumeBuffer, ' ');
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD flags = 0;
    if (GetVolumeInformationA(root.c_str(), label.data(), kVolumeBuffer, &serial, &maxComponent,
                              &flags, fileSystem.data(), kVolumeBuffer) == 0)
        return std::nullopt;
    return label.substr(0, label.find('\0'));
}

#endif

} // namespace kordavel::win
