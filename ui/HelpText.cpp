#include "ui/HelpText.h"

#include "analysis/Errors.h"
#include "analysis/TextEncoding.h"

#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void ThrowCannotOpen(const QString& fileName, int errorCode)
{
    QString reason = QString::fromLocal8Bit(std::strerror(errorCode));
    while (reason.endsWith('.') || reason.endsWith(' '))
        reason.chop(1);
    const QString path = QFileInfo(fileName).absoluteFilePath();
    throw Main::EInOutError(errorCode, QString("Cannot open file \"%1\". %2").arg(path, reason).toStdString());
}

std::string ReadAll(const QString& fileName)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowCannotOpen(fileName, errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            ::close(fd);
            ThrowCannotOpen(fileName, error);
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return bytes;
}

} // namespace

QString ReadHelpText(const QString& fileName)
{
    std::string bytes = ReadAll(fileName);
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));

    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            lines += '\n';
        } else {
            lines += bytes[i];
        }
    }
    return QString::fromStdString(Main::LegacyTextToUtf8(lines));
}
