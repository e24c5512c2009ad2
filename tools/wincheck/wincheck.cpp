// A console check of the Windows drive queries: lists every drive with its
// kind and label, and checks the splitting of drive-strings buffers.
#include "platform/drives_win_api.h"

#include <cstdio>
#include <cstring>

using namespace kordavel::win;

namespace {

int failures = 0;

void expect(bool ok, const char *what)
{
    if (!ok) {
        std::printf("FAILED: %s\n", what);
        ++failures;
    }
}

} // namespace

int main()
{
    char buffer[kRootListBuffer];
    std::memset(buffer, ' ', sizeof buffer);
    std::memcpy(buffer, "A:\\\0C:\\\0E:\\\0\0", 13);
    const auto roots = splitRootList(buffer, sizeof buffer);
    expect(roots.size() == 3 && roots[0] == "A:\\" && roots[2] == "E:\\",
           "three roots from a filled buffer");
    std::memset(buffer, ' ', sizeof buffer);
    expect(splitRootList(buffer, sizeof buffer).empty(), "an empty buffer gives no roots");

#ifdef _WIN32
    const auto system = logicalDriveRoots();
    expect(system.has_value() && !system->empty(), "the system lists drives");
    if (system) {
        for (const std::string &r : *system) {
            const int kind = driveKind(r);
            const auto label = volumeLabel(r);
            std::printf("%s\tkind %d\t%s\n", r.c_str(), kind,
                        label ? label->c_str() : "(No name)   ");
            expect(kind >= 0 && kind <= 6, "kinds are 0-6");
        }
    }
    expect(driveKind("Q:\\nonexistent\\") == 1, "an invalid root is kind 1");
#endif
    std::printf(failures == 0 ? "wincheck: all checks passed\n" : "wincheck: %d checks failed\n",
                failures);
    return failures == 0 ? 0 : 1;
}
