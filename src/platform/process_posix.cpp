#include "program.h"

#include <cstdio>
#include <unistd.h>

namespace kordavel {

void endProcessNow(int status)
{
    std::fflush(nullptr);
    ::_exit(status);
}

} // namespace kordavel
