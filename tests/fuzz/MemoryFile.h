#pragma once

#include <string>

#ifdef _WIN32
#include <atomic>
#include <filesystem>
#include <fstream>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

// A file that lives in memory; the program opens it by name like any other.
// Windows has no memory files: there it is a temporary file, removed again.
class MemoryFile {
public:
#ifdef _WIN32
    explicit MemoryFile(const std::string& bytes)
    {
        static std::atomic<unsigned> next { 0 };
        path_ = std::filesystem::temp_directory_path() / ("veldoran-fuzzed-" + std::to_string(next++) + ".txt");
        std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~MemoryFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    std::string name() const
    {
        const std::u8string text = path_.u8string();
        return std::string(text.begin(), text.end());
    }
#else
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
    ~MemoryFile()
    {
        ::close(fd_);
    }
    std::string name() const
    {
        return "/proc/self/fd/" + std::to_string(fd_);
    }
#endif
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

private:
#ifdef _WIN32
    std::filesystem::path path_;
#else
    int fd_;
#endif
};
