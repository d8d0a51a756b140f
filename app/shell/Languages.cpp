#include "shell/Languages.h"

#include "foundations/TIniFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace kelvane {

namespace {
constexpr Language kLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"es", "Espa\u00F1ol"}, {"fr", "Fran\u00E7ais"}};

bool Spoken(const QString& code) {
    for (const Language& l : kLanguages) {
        if (code == QLatin1String(l.code))
            return true;
    }
    return false;
}

struct Installed {
    QString code = "en";
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}
} // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

QString SystemLanguage() {
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QString code = tag.section('-', 0, 0).toLower();
        if (Spoken(code))
            return code;
    }
    return "en";
}

QString ChosenLanguage(const std::string& settingsFile) {
    const QString stored = QString::fromStdString(
        TIniFile(settingsFile).ReadString(kLanguageSection, kLanguageKey, ""));
    return Spoken(stored) ? stored : SystemLanguage();
}

bool InstallLanguage(const QString& code) {
    Installed& now = Current();
    for (auto* t : {now.program.get(), now.qt.get()}) {
        if (t)
            QCoreApplication::removeTranslator(t);
    }
    now.program.reset();
    now.qt.reset();
    now.code = "en";
    if (code == "en" || !Spoken(code))
        return code == "en";
    bool found = true;
    auto program = std::make_unique<QTranslator>();
    if (program->load(":/i18n/kelvane_" + code + ".qm")) {
        QCoreApplication::installTranslator(program.get());
        now.program = std::move(program);
    } else {
        found = false;
    }
    // Qt's own texts (the file dialogs' buttons); a machine without them
    // still gets the program's.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
    now.code = code;
    return found;
}

QString InstalledLanguage() {
    return Current().code;
}

QString CoreText(const std::string& text) {
    return QCoreApplication::translate("Kelvane", text.c_str());
}

QString CoreMessage(const Message& message) {
    const QString pattern = CoreText(message.pattern);
    // One pass, so that a part holding "%1" is never filled in again.
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() - 1 : -1;
        if (pattern[i] == '%' && n >= 0 && n < qsizetype(message.parts.size())) {
            const Message::Part& part = message.parts[std::size_t(n)];
            out += !part.inner.empty() ? CoreMessage(part.inner.front())
                   : part.word         ? CoreText(part.text)
                                       : QString::fromStdString(part.text);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace kelvane
