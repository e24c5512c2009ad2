// wine-drive: maps or unmaps a drive letter in a running wine prefix, as
// plugging and unplugging a drive does on a PC. It asks wine's mount manager,
// the way wine's own configuration tool does, so running programs see the
// change at once (a dosdevices link made by hand is seen only after the wine
// server restarts). A helper for the tests under wine, not part of the utility.
//
//   wine-drive LETTER FOLDER removable|fixed   maps the folder as LETTER:
//   wine-drive LETTER                          unmaps LETTER:
// FOLDER is a Unix path, or a Windows path that wine turns into one.
#include <windows.h>
#include <winioctl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Wine's mount manager request (include/ddk/mountmgr.h of wine).
constexpr DWORD kDefineUnixDrive =
    CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDriveRequest
{
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

// The Unix path of a Windows path, through wine's own kernel32 export.
std::string unixPathOf(const char *path)
{
    if (path[0] == '/')
        return path;
    using ToUnix = char *(__cdecl *)(const wchar_t *);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH];
    if (!toUnix || !MultiByteToWideChar(CP_UTF8, 0, path, -1, wide, MAX_PATH))
        return {};
    char *unix = toUnix(wide);
    if (!unix)
        return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 4) {
        std::fputs("usage: wine-drive LETTER [UNIX_FOLDER removable|fixed]\n", stderr);
        return 2;
    }
    const char letter = char(argv[1][0] | 0x20);
    std::vector<char> request(sizeof(UnixDriveRequest), 0);
    auto *r = reinterpret_cast<UnixDriveRequest *>(request.data());
    r->letter = WCHAR(letter);
    r->type = DRIVE_NO_ROOT_DIR; // unmap
    if (argc == 4) {
        const std::string kind = argv[3];
        if (kind != "removable" && kind != "fixed") {
            std::fprintf(stderr, "wine-drive: unknown kind %s\n", argv[3]);
            return 2;
        }
        const std::string folder = unixPathOf(argv[2]);
        if (folder.empty()) {
            std::fprintf(stderr, "wine-drive: no Unix path for %s\n", argv[2]);
            return 1;
        }
        r->type = kind == "removable" ? DRIVE_REMOVABLE : DRIVE_FIXED;
        r->mountPointOffset = USHORT(request.size());
        request.insert(request.end(), folder.c_str(), folder.c_str() + folder.size() + 1);
        r = reinterpret_cast<UnixDriveRequest *>(request.data());
    }
    r->size = ULONG(request.size());
    const char root[] = {letter, ':', '\\', '\0'};
    if (argc == 2 && GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR)
        return 0; // not mapped: nothing to unmap
    const HANDLE manager =
        CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "wine-drive: no mount manager (error %lu); is this wine?\n",
                     GetLastError());
        return 1;
    }
    const BOOL ok = DeviceIoControl(manager, kDefineUnixDrive, request.data(),
                                    DWORD(request.size()), nullptr, 0, nullptr, nullptr);
    const DWORD error = GetLastError();
    CloseHandle(manager);
    if (!ok) {
        std::fprintf(stderr, "wine-drive: %c: not changed (error %lu)\n", letter, error);
        return 1;
    }
    return 0;
}
