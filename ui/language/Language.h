#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The language of the interface: Russian, the language the program was
// written in, or English. Russian is the source language of every text
// (tr("…") holds the Russian words); English comes from the program's
// translation, built into the ui library as :/i18n/veldoran_en.qm.
enum class TLanguage { Russian, English };

// The settings key that overrides the locale: "ru" or "en".
inline constexpr const char* LanguageKey = "Interface/Language";

// The language a locale asks for: Russian for Russian and for no language at
// all (C, POSIX, nothing set), English for any other. The locale is read as
// gettext and Qt read it: the first of LC_ALL, LC_MESSAGES and LANG that is
// set names it; unless that is C or POSIX, the first entry of LANGUAGE (a
// list such as "de:en") names the language instead.
TLanguage LocaleLanguage();
// The same rule for given values of those variables, for the rule's tests.
TLanguage LocaleLanguage(const QString& language, const QString& all, const QString& messages, const QString& lang);

// The language remembered in the settings, when a valid one is.
std::optional<TLanguage> RememberedLanguage();
// What the program starts in: the remembered language, else the locale's.
TLanguage StartLanguage();

// Installs the program's translation and Qt's own (dialogs, standard buttons)
// for `language`, makes its locale the default one (numbers, dates) and the
// language of the analysis core's messages. Every open window then gets
// QEvent::LanguageChange and sets its texts again. Nothing happens when
// `language` is already the one applied.
void ApplyLanguage(TLanguage language);
// ApplyLanguage(StartLanguage()): every main window does this when it is made,
// so that a program that makes the windows itself gets the right language.
void ApplyStartLanguage();
// ApplyStartLanguage() unless some language is applied already.
void EnsureLanguageApplied();
// The user's choice: applied at once and remembered.
void ChooseLanguage(TLanguage language);

// The language applied (Russian before any is).
TLanguage CurrentLanguage();
// The locale numbers are written in: Russian (decimal comma) or English
// (decimal point).
QLocale InterfaceLocale();
