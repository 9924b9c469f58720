#include "tests/cli/descriptors.h"

#include <array>
#include <cerrno>
#include <unistd.h>

void CloseIfOpen(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void ReadAvailable(int& fd, std::string& text)
{
    std::array<char, 65536> chunk;
    const ssize_t count = ::read(fd, chunk.data(), chunk.size());
    if (count > 0)
        text.append(chunk.data(), static_cast<std::size_t>(count));
    else if (count == 0 || errno != EINTR)
        CloseIfOpen(fd);
}
