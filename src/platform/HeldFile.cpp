#include "platform/HeldFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

HeldFile::HeldFile(int fd) : m_fd(fd) {}

HeldFile::~HeldFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

HeldFile::HeldFile(HeldFile&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

HeldFile& HeldFile::operator=(HeldFile&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

bool HeldFile::isHeld() const
{
    return m_fd >= 0;
}

int HeldFile::readFromStart() const
{
    if (m_fd < 0)
        return -1;
    const int fd = ::fcntl(m_fd, F_DUPFD_CLOEXEC, 0);
    if (fd >= 0 && ::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
