#include "ui/HelpText.h"

#include "analysis/files/TextEncoding.h"
#include "ui/language/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

QString SystemReason(int errorCode)
{
    QString reason = QString::fromLocal8Bit(std::strerror(errorCode));
    while (reason.endsWith('.') || reason.endsWith(' '))
        reason.chop(1);
    return reason;
}

[[noreturn]] void ThrowCannotOpen(const QString& fileName, const QString& reason)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    throw THelpFileError(QString("Cannot open file \"%1\". %2").arg(path, reason).toStdString());
}

// The bytes of a regular file. It is opened without waiting (a pipe with no
// writer would block an ordinary open for ever) and only read once it is
// known to be a regular file of an acceptable size.
QByteArray ReadRegularFile(const QString& fileName)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        ThrowCannotOpen(fileName, SystemReason(errno));
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        ThrowCannotOpen(fileName, SystemReason(S_ISDIR(info.st_mode) ? EISDIR : EACCES));
    }
    if (info.st_size > MaxHelpFileSize) {
        ::close(fd);
        throw THelpFileError(QCoreApplication::translate(
            "HelpText", "Файл справки \"%1\" слишком велик: %2 байт, а показать можно не больше 1 МБ (%3 байт)")
                                 .arg(QFileInfo(fileName).absoluteFilePath())
                                 .arg(info.st_size)
                                 .arg(MaxHelpFileSize)
                                 .toStdString());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ThrowCannotOpen(fileName, file.errorString());
    }
    // A file that grew since it was measured is read only up to the limit.
    QByteArray bytes = file.read(MaxHelpFileSize);
    if (file.error() != QFileDevice::NoError)
        ThrowCannotOpen(fileName, file.errorString());
    return bytes;
}

} // namespace

QString ReadHelpText(const QString& fileName)
{
    QByteArray bytes = ReadRegularFile(fileName);
    if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0)
        bytes.truncate(zero);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    std::string lines;
    lines.reserve(static_cast<std::size_t>(bytes.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
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

QStringList HelpFileCandidates(const QString& name)
{
    const QDir program(QCoreApplication::applicationDirPath());
    return { QDir::current().absoluteFilePath(name),
        QDir::cleanPath(program.absoluteFilePath("../share/veldoran/" + name)), program.absoluteFilePath(name) };
}

QString ReadInstalledHelpText()
{
    const QStringList candidates = HelpFileCandidates();
    QStringList tried;
    if (CurrentLanguage() == TLanguage::English)
        tried = HelpFileCandidates(EnglishHelpFileName);
    tried += candidates;
    for (const QString& candidate : tried)
        if (QFileInfo::exists(candidate))
            return ReadHelpText(candidate);
    // The message names the first place, the user's own folder, as it always has.
    ThrowCannotOpen(candidates.constFirst(), SystemReason(ENOENT));
}

QString BreakLongLines(const QString& text, int width)
{
    QString shown;
    shown.reserve(text.size() + text.size() / width);
    qsizetype run = 0;
    for (const QChar c : text) {
        if (c == '\n') {
            run = 0;
        } else if (run == width) {
            shown += '\n';
            run = 0;
        }
        if (c != '\n')
            ++run;
        shown += c;
    }
    return shown;
}
