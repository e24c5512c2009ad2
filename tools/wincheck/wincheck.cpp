// A console check of the Windows drive queries: lists every drive with its
// kind and label, and checks the splitting of drive-strings buffers.
#include "platform/drives_win_api.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

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

// A buffer of blanks, as the query gets it, with text written from its start.
std::wstring filledBuffer(const std::wstring &text)
{
    std::wstring buffer(kRootListBuffer, L' ');
    std::copy(text.begin(), text.end(), buffer.begin());
    return buffer;
}

#ifdef _WIN32
// Wide text as UTF-8, so that a label in any script prints whole.
std::string utf8(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}
#endif

} // namespace

int main()
{
    std::wstring buffer = filledBuffer(std::wstring(L"A:\\\0C:\\\0E:\\\0\0", 13));
    const auto roots = splitRootList(buffer.data(), buffer.size());
    expect(roots.size() == 3 && roots[0] == L"A:\\" && roots[2] == L"E:\\",
           "three roots from a filled buffer");
    buffer = filledBuffer(L"");
    expect(splitRootList(buffer.data(), buffer.size()).empty(), "an empty buffer gives no roots");

#ifdef _WIN32
    const auto system = logicalDriveRoots();
    expect(system.has_value() && !system->empty(), "the system lists drives");
    if (system) {
        for (const std::wstring &r : *system) {
            const int kind = driveKind(r);
            const auto label = volumeLabel(r);
            std::printf("%s\tkind %d\t%s\n", utf8(r).c_str(), kind,
                        label ? utf8(*label).c_str() : "(No name)   ");
            expect(kind >= 0 && kind <= 6, "kinds are 0-6");
        }
    }
    expect(driveKind(L"Q:\\nonexistent\\") == 1, "an invalid root is kind 1");
#endif
    std::printf(failures == 0 ? "wincheck: all checks passed\n" : "wincheck: %d checks failed\n",
                failures);
    return failures == 0 ? 0 : 1;
}
