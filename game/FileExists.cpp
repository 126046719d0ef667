#include "game/FileExists.h"

#include <fcntl.h>
#include <unistd.h>

int16_t FileExists(const std::string& name)
{
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return kFalse;
    ::close(fd);
    return kTrue;
}
