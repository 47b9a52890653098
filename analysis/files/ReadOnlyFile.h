#pragma once

#include <cstddef>
#include <string>

namespace Main {

// A file opened for reading its raw bytes, the one place where the program
// talks to the operating system's files. Only a regular file is read: a
// folder, a device, a pipe or a socket is refused at once, without waiting
// for it. The name is UTF-8; on Windows it is opened by its UTF-16 name, with
// reading shared and writing not. No text-mode translation: the bytes come as
// they are on disk. Closed when the object goes away.
class TReadOnlyFile {
public:
    // EInOutError with FileErrorMessage's text when the file cannot be opened.
    explicit TReadOnlyFile(const std::string& fileName);
    ~TReadOnlyFile();
    TReadOnlyFile(const TReadOnlyFile&) = delete;
    TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

    // Up to `size` bytes into `buffer`; 0 at the end of the file. Throws
    // EInOutError on a read error.
    std::size_t read(char* buffer, std::size_t size);

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// The message for a failure to open or read a file with the system's error
// number (errno; on Windows, GetLastError's code): "File not found", "Invalid
// filename", "Too many open files", "File access denied" or "I/O error N".
std::string FileErrorMessage(int errorCode);

} // namespace Main
