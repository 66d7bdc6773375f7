#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

// A file in memory that the loaders open by its path like any regular file, refilled for every
// input: the fuzz targets run the real file reading without writing to the disk.
class MemoryFile
{
public:
    MemoryFile() : fd_(memfd_create("quorvel-fuzz", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            std::abort();
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    // Replaces the content with `size` bytes and returns the path to open.
    QString fill(const std::uint8_t *data, std::size_t size)
    {
        if (::ftruncate(fd_, 0) != 0 || (size > 0 && ::pwrite(fd_, data, size, 0) != ssize_t(size)))
            std::abort();
        return QStringLiteral("/proc/self/fd/") + QString::number(fd_);
    }

private:
    int fd_;
};
