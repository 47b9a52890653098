#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <string>

// A file that lives in memory; the program opens it by name like any other.
class MemoryFile {
public:
    explicit MemoryFile(const std::string& bytes)
        : fd_(::memfd_create("fuzzed", MFD_CLOEXEC))
    {
        std::size_t written = 0;
        while (fd_ >= 0 && written < bytes.size()) {
            const ssize_t count = ::write(fd_, bytes.data() + written, bytes.size() - written);
            if (count <= 0)
                break;
            written += static_cast<std::size_t>(count);
        }
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::string name() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};
