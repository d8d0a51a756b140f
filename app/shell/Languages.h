#pragma once

#include "foundations/Message.h"

#include <QString>

#include <span>
#include <string>

namespace kelvane {

// A language the windows can speak: its code (the translation file's suffix
// and the settings value) and its name as its speakers write it.
struct Language {
    const char* code;
    const char* name;
};

// English first: it is the source text and needs no translation file.
std::span<const Language> Languages();

// The settings file's section and key of the chosen language; an absent key
// means the system's language.
inline constexpr char kLanguageSection[] = "Language";
inline constexpr char kLanguageKey[] = "Name";

// The first of the system's languages the windows speak, else English.
QString SystemLanguage();
// The language stored in the settings file, else the system's.
QString ChosenLanguage(const std::string& settingsFile);
// Replaces the program's translations by those of code (English: none), and
// Qt's own for its standard dialogs. False when a translation was not found.
bool InstallLanguage(const QString& code);
// The language installed last ("en" before any).
QString InstalledLanguage();

// A text of the core (a grid label, a chart or axis title, a button) as the
// student reads it: translated at the point of display only, so that files
// and the command line keep the English.
QString CoreText(const std::string& text);
// A message of the core as the student reads it: its pattern and words
// translated, its literals (numbers, file names) as written.
QString CoreMessage(const Message& message);
// Every core text the windows show, in English (app/translations/CoreTexts.cpp).
std::span<const char* const> CoreTexts();

} // namespace kelvane
