#include "../AppTestSupport.h"
#include "foundations/FileAccess.h"
#include "foundations/TIniFile.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "shell/Languages.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

using namespace kelvane;

namespace {

constexpr const char* kTranslated[] = {"de", "es", "fr"};

// A Qt Linguist source as read: each source text with its translation, and
// the sources still marked unfinished.
struct LinguistSource {
    std::map<QString, QString> translations;
    QStringList unfinished;
};

LinguistSource Read(const QString& code) {
    LinguistSource ts;
    QFile file(QString(KELVANE_TRANSLATIONS_DIR) + "/kelvane_" + code + ".ts");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().value("type") == u"unfinished";
            const QString text = xml.readElementText();
            if (unfinished || text.isEmpty())
                ts.unfinished << source;
            ts.translations[source] = text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return ts;
}

// What a student reads in a window, shown widget by shown widget in the order they were
// made: the title, the buttons', boxes' and labels' captions, the tooltips
// and the grid's row labels.
QStringList Captions(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        // The volume read-out: "Vol = " and a number, alike in all four languages.
        if (w->objectName() == "lDebug")
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        texts << w->toolTip();
        if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            for (int row = 0; row < grid->rowCount(); ++row)
                texts << (grid->item(row, 0) ? grid->item(row, 0)->text() : QString());
        }
    }
    return texts;
}

// The letters marked with '&' among a window's buttons and boxes, repeats kept.
QString Accelerators(QWidget& window) {
    QString letters;
    const QRegularExpression mark("&([^&])");
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        for (const QRegularExpressionMatch& m : mark.globalMatch(b->text()))
            letters += m.captured(1).toLower();
    }
    return letters;
}

// A window in one language: what it shows, and what it writes.
struct Seen {
    QStringList launcher, gamma;
    QString launcherKeys, gammaKeys;
    QStringList numbers; // the grid's values
    std::string parameters, settings;
};

Seen Look() {
    Seen seen;
    AppTestEnvironment env;
    {
        TKelvaneDispatchForm launcher;
        launcher.show();
        seen.launcher = Captions(launcher);
        seen.launcherKeys = Accelerators(launcher);
    }
    TGammaStirlingMainForm form;
    form.show();
    form.Timer->stop();
    seen.gamma = Captions(form);
    seen.gammaKeys = Accelerators(form);
    for (int row = 0; row < form.Grid()->rowCount(); ++row)
        seen.numbers << form.Grid()->item(row, 1)->text();
    env.platform.fileToSave = QString::fromStdString(env.Folder() + "same.PAR");
    form.Run([&] { form.SaveButtonClick(); });
    form.hide(); // writes the settings file
    seen.parameters = ReadRegularFile(env.Folder() + "same.PAR").bytes;
    seen.settings = ReadRegularFile(env.SettingsFile()).bytes;
    EXPECT_TRUE(env.errors.empty());
    return seen;
}

// Each language changes every caption of the launcher and of a simulator
// window (unless its translation is the English word itself) and leaves the
// numbers, the parameter file and the settings file exactly as in English.
TEST(Translations, ChangeEveryCaptionAndNoNumberOrFile) {
    InstallLanguage("en");
    const Seen english = Look();
    ASSERT_FALSE(english.parameters.empty());
    ASSERT_FALSE(english.settings.empty());
    for (const char* code : kTranslated) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(InstallLanguage(code));
        const LinguistSource ts = Read(code);
        const Seen seen = Look();
        const std::pair<const QStringList*, const QStringList*> windows[] = {
            {&english.launcher, &seen.launcher}, {&english.gamma, &seen.gamma}};
        for (auto [before, after] : windows) {
            ASSERT_EQ(before->size(), after->size());
            for (qsizetype i = 0; i < before->size(); ++i) {
                const QString& source = (*before)[i];
                const bool sameOnPurpose =
                    ts.translations.count(source) && ts.translations.at(source) == source;
                if (source.isEmpty() || source == QString::fromUtf8("\u00A9 Kelvane") ||
                    sameOnPurpose)
                    continue;
                EXPECT_NE((*after)[i], source) << "left in English: " << source.toStdString();
            }
        }
        for (const QString& keys : {seen.launcherKeys, seen.gammaKeys})
            EXPECT_EQ(QSet<QChar>(keys.begin(), keys.end()).size(), keys.size())
                << "a letter marks two captions: " << keys.toStdString();
        EXPECT_EQ(seen.numbers, english.numbers);
        EXPECT_EQ(seen.parameters, english.parameters);
        EXPECT_EQ(seen.settings, english.settings);
    }
    InstallLanguage("en");
}

// Every source is finished, keeps its one Alt-letter mark and its
// placeholders, and holds every core text the windows show.
TEST(Translations, SourcesAreCompleteAndKeepMarksAndPlaceholders) {
    const QRegularExpression mark("&(?!&)"), placeholder("%\\d");
    auto all = [](const QRegularExpression& re, const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& m : re.globalMatch(text))
            found << m.captured(0);
        found.sort();
        return found;
    };
    for (const char* code : kTranslated) {
        SCOPED_TRACE(code);
        const LinguistSource ts = Read(code);
        EXPECT_TRUE(ts.unfinished.isEmpty()) << ts.unfinished.join(" | ").toStdString();
        for (const auto& [source, translation] : ts.translations) {
            EXPECT_EQ(all(mark, translation).size(), all(mark, source).size())
                << source.toStdString();
            EXPECT_EQ(all(placeholder, translation), all(placeholder, source))
                << source.toStdString();
        }
        for (const char* text : CoreTexts())
            EXPECT_TRUE(ts.translations.count(QString::fromUtf8(text))) << text;
    }
}

// The launcher's choice is kept at once as [Language] Name; a stored name the
// windows do not speak, or none, means the system's language.
TEST(Translations, TheLauncherKeepsTheChoiceForTheNextStart) {
    AppTestEnvironment env;
    TKelvaneDispatchForm launcher;
    launcher.show();
    EXPECT_EQ(ChosenLanguage(env.SettingsFile()), SystemLanguage());
    const struct {
        const char* picked;
        const char* stored;
        QString chosen;
    } cases[] = {{"Deutsch", "de", "de"}, {"Fran\u00E7ais", "fr", "fr"}, {"English", "en", "en"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        QComboBox* box = launcher.LanguageBox();
        box->setCurrentIndex(box->findText(QString::fromUtf8(c.picked)));
        launcher.LanguageChosen(box->currentData().toString());
        EXPECT_EQ(TIniFile(env.SettingsFile()).ReadString("Language", "Name", ""), c.stored);
        EXPECT_EQ(ChosenLanguage(env.SettingsFile()), c.chosen);
    }
    // Said once for each change away from the language in use (English here).
    EXPECT_EQ(env.platform.messages.size(), 2);
    TIniFile(env.SettingsFile()).WriteString("Language", "Name", "xx");
    EXPECT_EQ(ChosenLanguage(env.SettingsFile()), SystemLanguage());
    EXPECT_TRUE(env.errors.empty());
}

} // namespace
