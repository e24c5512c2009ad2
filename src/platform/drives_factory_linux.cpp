#include "drives_linux.h"

namespace kordavel {

std::unique_ptr<Drives> makeOsDrives()
{
    return std::make_unique<LinuxDrives>();
}

} // namespace kordavel
