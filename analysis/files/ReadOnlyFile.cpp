#include "analysis/files/ReadOnlyFile.h"

#include "analysis/tables/Errors.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace Main {

namespace {

[[noreturn]] void ThrowFileError(int errorCode)
{
    throw EInOutError(FileErrorMessage(errorCode));
}

} // namespace

#ifdef _WIN32

// The codes are Windows' own: 2 file not found, 3 path not found, 4 too many
// open files, 5 access denied; every other code is shown by its number.
std::string FileErrorMessage(int errorCode)
{
    switch (errorCode) {
    case ERROR_FILE_NOT_FOUND:
        return "File not found";
    case ERROR_PATH_NOT_FOUND:
        return "Invalid filename";
    case ERROR_TOO_MANY_OPEN_FILES:
        return "Too many open files";
    case ERROR_ACCESS_DENIED:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

TReadOnlyFile::TReadOnlyFile(const std::string& fileName)
{
    if (fileName.find('\0') != std::string::npos || fileName.empty())
        ThrowFileError(ERROR_PATH_NOT_FOUND);
    const int length = ::MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, fileName.data(), static_cast<int>(fileName.size()), nullptr, 0);
    if (length <= 0)
        ThrowFileError(ERROR_PATH_NOT_FOUND);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, fileName.data(), static_cast<int>(fileName.size()), wide.data(), length);

    // A folder cannot be opened this way (access denied); a pipe, a console
    // or a device opens, but is not a disk file.
    HANDLE handle = ::CreateFileW(
        wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        ThrowFileError(static_cast<int>(::GetLastError()));
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        ThrowFileError(ERROR_ACCESS_DENIED);
    }
    handle_ = handle;
}

TReadOnlyFile::~TReadOnlyFile()
{
    ::CloseHandle(static_cast<HANDLE>(handle_));
}

std::size_t TReadOnlyFile::read(char* buffer, std::size_t size)
{
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    if (!::ReadFile(static_cast<HANDLE>(handle_), buffer, wanted, &count, nullptr))
        ThrowFileError(static_cast<int>(::GetLastError()));
    return count;
}

#else

std::string FileErrorMessage(int errorCode)
{
    switch (errorCode) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

TReadOnlyFile::TReadOnlyFile(const std::string& fileName)
{
    if (fileName.find('\0') != std::string::npos)
        ThrowFileError(EINVAL);
    // Opened without waiting, since a pipe with no writer would block an
    // ordinary open for ever; only a regular file is read.
    fd_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        ThrowFileError(errno == ENXIO ? EACCES : errno); // ENXIO: a socket, a device without a driver
    struct stat info { };
    int error = ::fstat(fd_, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : !S_ISREG(info.st_mode) ? EACCES : 0;
    if (error == 0 && ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd_);
        ThrowFileError(error);
    }
}

TReadOnlyFile::~TReadOnlyFile()
{
    ::close(fd_);
}

std::size_t TReadOnlyFile::read(char* buffer, std::size_t size)
{
    ssize_t count;
    do
        count = ::read(fd_, buffer, size);
    while (count < 0 && errno == EINTR);
    if (count < 0)
        ThrowFileError(errno);
    return static_cast<std::size_t>(count);
}

#endif

} // namespace Main
