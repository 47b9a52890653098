#include "analysis/TextFile.h"

#include "analysis/Errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace Main {

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

namespace {

[[noreturn]] void ThrowFileError(int errorCode)
{
    throw EInOutError(FileErrorMessage(errorCode));
}

} // namespace

TTextFile::TTextFile(const std::string& fileName)
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

TTextFile::~TTextFile()
{
    ::close(fd_);
}

int TTextFile::peek()
{
    if (pos_ == end_ && !atEnd_) {
        ssize_t count;
        do
            count = ::read(fd_, buffer_.data(), buffer_.size());
        while (count < 0 && errno == EINTR);
        if (count < 0)
            ThrowFileError(errno);
        pos_ = 0;
        end_ = static_cast<std::size_t>(count);
        atEnd_ = count == 0;
    }
    return pos_ == end_ ? EndOfData : static_cast<unsigned char>(buffer_[pos_]);
}

int TTextFile::get()
{
    const int c = peek();
    if (c != EndOfData)
        ++pos_;
    return c;
}

bool TTextFile::eof()
{
    const int c = peek();
    return c == EndOfData || c == CtrlZ;
}

std::string TTextFile::readLine(std::size_t keep)
{
    std::string line;
    readLine(line, keep);
    return line;
}

void TTextFile::readLine(std::string& line, std::size_t keep)
{
    line.clear();
    if (eof())
        return;
    for (;;) {
        if (peek() == EndOfData)
            break;
        // The run of ordinary characters in the buffer, taken at once.
        std::size_t stop = pos_;
        while (stop < end_ && buffer_[stop] != '\n' && buffer_[stop] != '\r' && buffer_[stop] != CtrlZ)
            ++stop;
        if (stop > pos_) {
            if (line.size() < keep)
                line.append(buffer_.data() + pos_, std::min(stop - pos_, keep - line.size()));
            pos_ = stop;
            continue;
        }
        const int c = get();
        if (c == '\n')
            break;
        if (c == '\r') {
            if (peek() == '\n') {
                get();
                break;
            }
            continue;
        }
        // A Ctrl-Z ends the line; the rest of it is skipped.
        for (int skipped = get(); skipped != EndOfData && skipped != '\n'; skipped = get()) { }
        break;
    }
}

} // namespace Main
