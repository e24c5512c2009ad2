#pragma once

// The Windows drive queries in plain C++ (no toolkit types), so that they can
// be built and tested as a small console program with a cross compiler.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kordavel::win {

// Size of the buffer handed to GetLogicalDriveStringsA: 26 roots of 4
// characters ("C:\" and a NUL) and the final NUL.
inline constexpr unsigned kRootListBuffer = 105;
// Size of the label and file-system-name buffers of GetVolumeInformationA.
inline constexpr unsigned kVolumeBuffer = 255;

// Splits a filled drive-strings buffer into roots: leading and trailing
// blanks removed, every NUL turned into a blank, split at single blanks.
std::vector<std::string> splitRootList(const char *buffer, std::size_t size);

#ifdef _WIN32
// Turns off, for the whole process, the system's critical-error dialogs ("There
// is no disk in the drive") that an empty card-reader slot raises when it is
// queried, so such a drive simply fails its query. Idempotent; called by every
// backend that touches drives or files before its first query.
void suppressCriticalErrorDialogs();
// Drive roots ("C:\", "E:\", ...) in the system's order; nullopt when the call fails.
std::optional<std::vector<std::string>> logicalDriveRoots();
// GetDriveTypeA of a root: 0-6.
int driveKind(const std::string &root);
// Volume label; nullopt when the query fails (no medium), "" for an unlabelled volume.
std::optional<std::string> volumeLabel(const std::string &root);
#endif

} // namespace kordavel::win
