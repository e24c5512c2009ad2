#pragma once

// The Windows drive queries in plain C++ (no toolkit types), so that they can
// be built and tested as a small console program with a cross compiler. They
// use the wide-character calls, so a label in any script comes back whole
// (the ANSI calls turn what the PC's code page lacks into '?').

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kordavel::win {

// Size, in wide characters, of the buffer handed to GetLogicalDriveStringsW:
// 26 roots of 4 characters ("C:\" and a NUL) and the final NUL.
inline constexpr unsigned kRootListBuffer = 105;
// Size, in wide characters, of the label and file-system-name buffers of
// GetVolumeInformationW; labels and file-system names are far shorter.
inline constexpr unsigned kVolumeBuffer = 255;

// Splits a filled drive-strings buffer of size wide characters into roots:
// leading and trailing blanks removed, every NUL turned into a blank, split at
// single blanks.
std::vector<std::wstring> splitRootList(const wchar_t *buffer, std::size_t size);

#ifdef _WIN32
// Turns off, for the whole process, the system's critical-error dialogs ("There
// is no disk in the drive") that an empty card-reader slot raises when it is
// queried, so such a drive simply fails its query. Idempotent; called by every
// backend that touches drives or files before its first query.
void suppressCriticalErrorDialogs();
// Drive roots ("C:\", "E:\", ...) in the system's order; nullopt when the call fails.
std::optional<std::vector<std::wstring>> logicalDriveRoots();
// GetDriveTypeW of a root: 0-6.
int driveKind(const std::wstring &root);
// Volume label; nullopt when the query fails (no medium), "" for an unlabelled volume.
std::optional<std::wstring> volumeLabel(const std::wstring &root);
#endif

} // namespace kordavel::win
