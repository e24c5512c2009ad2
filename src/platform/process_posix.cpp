#include "program.h"

#include <cstdio>
#include <unistd.h>

namespace kordavel {

void writeToConsole(const QString &text, ConsoleStream stream)
{
    std::FILE *to = stream == ConsoleStream::Error ? stderr : stdout;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
    std::fflush(to);
}

void endProcessNow(int status)
{
    std::fflush(nullptr);
    ::_exit(status);
}

} // namespace kordavel
