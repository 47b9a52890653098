#include "ui/history/BodyKind.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QByteArrayView WithoutBlanks(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i);
}

bool LooksLikeHtml(const QByteArray& lower)
{
    for (const char* tag : { "<!doctype html", "<html", "<head", "<body", "<script", "<meta", "<title", "<div" })
        if (lower.contains(tag))
            return true;
    return false;
}

// The page's own title, as the player would see it in a browser's tab.
QString PageTitle(QByteArrayView head)
{
    static const QRegularExpression title(
        R"(<title[^>]*>\s*([^<]{1,120}?)\s*</title>)", QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = title.match(QString::fromUtf8(head));
    return match.hasMatch() ? match.captured(1).simplified() : QString();
}

} // namespace

TBodyKind SniffBody(QByteArrayView head)
{
    // Local file header, or the end record of an empty archive.
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06"))
        return TBodyKind::Zip;
    const QByteArrayView text = WithoutBlanks(head);
    if (text.isEmpty())
        return TBodyKind::Empty;
    switch (text.front()) {
    case '<':
        return LooksLikeHtml(text.toByteArray().toLower()) ? TBodyKind::Html : TBodyKind::Xml;
    case '{':
    case '[':
        return TBodyKind::Json;
    default:
        return TBodyKind::Text;
    }
}

QString NotAHistoryMessage(TBodyKind kind, QByteArrayView head, TBodySource source)
{
    const bool address = source == TBodySource::Address;
    switch (kind) {
    case TBodyKind::Empty:
        return address ? QCoreApplication::translate("BodyKind", "По адресу пришёл пустой файл, а не история тиражей")
                       : QCoreApplication::translate("BodyKind", "Файл пуст");
    case TBodyKind::Html: {
        const QString message = address
            ? QCoreApplication::translate("BodyKind", "По адресу пришла веб-страница, а не файл истории")
            : QCoreApplication::translate("BodyKind", "Файл — веб-страница, а не история тиражей");
        const QString title = PageTitle(head);
        return title.isEmpty() ? message : QCoreApplication::translate("BodyKind", "%1 («%2»)").arg(message, title);
    }
    case TBodyKind::Xml:
        return address ? QCoreApplication::translate("BodyKind", "По адресу пришёл документ XML, а не файл истории")
                       : QCoreApplication::translate("BodyKind", "Файл — документ XML, а не история тиражей");
    case TBodyKind::Json:
        return address ? QCoreApplication::translate("BodyKind", "По адресу пришли данные JSON, а не файл истории")
                       : QCoreApplication::translate("BodyKind", "Файл — данные JSON, а не история тиражей");
    case TBodyKind::Zip:
    case TBodyKind::Text:
        break;
    }
    return {};
}
