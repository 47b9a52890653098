#include "ui/language/Language.h"

#include "analysis/text/Messages.h"
#include "ui/ProgramSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// The application the translators below belong to; a new QApplication (a test
// program may make several, one after another) starts with none applied.
QPointer<QCoreApplication> AppliedFor;
TLanguage Applied = TLanguage::Russian;
QPointer<QTranslator> ProgramTranslator;
QPointer<QTranslator> QtTranslator;

bool IsRussian(const QString& name)
{
    return name.startsWith(QLatin1String("ru"), Qt::CaseInsensitive) && (name.size() == 2 || !name.at(2).isLetter());
}

// "C", "C.UTF-8", "POSIX": a locale that names no language.
bool NamesNoLanguage(const QString& name)
{
    return name.isEmpty() || name == QLatin1String("C") || name.startsWith(QLatin1String("C."))
        || name.startsWith(QLatin1String("C@")) || name == QLatin1String("POSIX");
}

void Uninstall(QPointer<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// A translator of the application for `file` in `folder`, installed when it
// loads; an empty catalogue (no text of that language) is not installed.
QPointer<QTranslator> Install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder) || translator->isEmpty()) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

TLanguage LocaleLanguage(const QString& language, const QString& all, const QString& messages, const QString& lang)
{
    QString locale = all;
    if (locale.isEmpty())
        locale = messages;
    if (locale.isEmpty())
        locale = lang;
    if (NamesNoLanguage(locale))
        return TLanguage::Russian;
    for (const QString& entry : language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        return IsRussian(entry) ? TLanguage::Russian : TLanguage::English;
    return IsRussian(locale) ? TLanguage::Russian : TLanguage::English;
}

TLanguage LocaleLanguage()
{
    return LocaleLanguage(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
        qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

std::optional<TLanguage> RememberedLanguage()
{
    const QString value = TProgramSettings().value(LanguageKey).toString().trimmed().toLower();
    if (value == QLatin1String("ru"))
        return TLanguage::Russian;
    if (value == QLatin1String("en"))
        return TLanguage::English;
    return std::nullopt;
}

TLanguage StartLanguage()
{
    return RememberedLanguage().value_or(LocaleLanguage());
}

void ApplyLanguage(TLanguage language)
{
    if (!QCoreApplication::instance() || (AppliedFor == QCoreApplication::instance() && Applied == language))
        return;
    AppliedFor = QCoreApplication::instance();
    Applied = language;
    QLocale::setDefault(InterfaceLocale());
    Main::SetMessageLanguage(
        language == TLanguage::English ? Main::TMessageLanguage::English : Main::TMessageLanguage::Russian);

    Uninstall(ProgramTranslator);
    Uninstall(QtTranslator);
    if (language == TLanguage::English) {
        ProgramTranslator = Install(QStringLiteral("veldoran_en"), QStringLiteral(":/i18n"));
    } else {
        // Russian is the texts' own language; the catalogue holds the word
        // forms that follow a number ("%n тиражей"). Qt's own texts come from
        // Debian's qt6-translations-l10n.
        ProgramTranslator = Install(QStringLiteral("veldoran_ru"), QStringLiteral(":/i18n"));
        QtTranslator = Install(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

void ApplyStartLanguage()
{
    ApplyLanguage(StartLanguage());
}

void EnsureLanguageApplied()
{
    if (AppliedFor != QCoreApplication::instance())
        ApplyStartLanguage();
}

void ChooseLanguage(TLanguage language)
{
    TProgramSettings().setValue(LanguageKey, language == TLanguage::English ? "en" : "ru");
    ApplyLanguage(language);
}

TLanguage CurrentLanguage()
{
    return AppliedFor ? Applied : TLanguage::Russian;
}

QLocale InterfaceLocale()
{
    return CurrentLanguage() == TLanguage::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                   : QLocale(QLocale::Russian, QLocale::Russia);
}
