#include "../AppTestSupport.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "shell/TKelvaneDispatchForm.h"
#include "widgets/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <set>

using namespace kelvane;

namespace {

const QString binDir = KELVANE_BIN_DIR;

QString ReadText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// The file names the windows hand to the desktop's viewer.
std::set<QString> DocumentsTheWindowsOpen() {
    AppTestEnvironment env;
    {
        TKelvaneDispatchForm launcher;
        launcher.show();
        launcher.IntroButtonClick();
    }
    {
        TGammaStirlingMainForm gamma;
        gamma.Timer->stop();
        gamma.show();
        gamma.HelpButtonClick();
        gamma.TutorialButtonClick();
    }
    std::set<QString> names;
    for (const QString& path : env.platform.documents)
        names.insert(QFileInfo(path).fileName());
    // The Ringbom and two-piston windows open these from their Help and Tutor
    // buttons (they are built on branches of their own).
    for (const char* name : {"Ringbom Simulator Help.HTM", "Ringbom Simulator Tutorial.HTM",
                             "Rider Kelvane Help.HTM", "Rider Kelvane Tutorial.HTM"})
        names.insert(name);
    return names;
}

TEST(Documents, EveryDocumentAWindowOpensLiesBesideTheProgram) {
    std::set<QString> names = DocumentsTheWindowsOpen();
    EXPECT_EQ(names.size(), 7u);
    EXPECT_TRUE(names.count("Kelvane Introduction.HTM"));
    EXPECT_TRUE(names.count("Gamma Kelvane Help.HTM"));
    EXPECT_TRUE(names.count("Gamma Kelvane Tutorial.HTM"));
    for (const QString& name : names)
        EXPECT_TRUE(QFile::exists(binDir + "/" + name)) << name.toStdString();
}

// With no browser the page still shows, in the program's own help window:
// its title, its pictures, links and Back.
TEST(Documents, WithoutABrowserThePageOpensInTheHelpWindow) {
    AppTestEnvironment env;
    env.platform.browser = false;
    Platform::Current().OpenDocument(binDir + "/Gamma Kelvane Help.HTM");
    HelpWindow* help = HelpWindow::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Gamma Stirling Engine Simulator: help");
    AppTestEnvironment::Snapshot(*help, "help-window");
    // The pages' style sheet applies, and every picture fits the window's width.
    QTextDocument* shown = help->Browser()->document();
    EXPECT_NE(shown->defaultStyleSheet(), "");
    int pictures = 0;
    for (QTextBlock b = shown->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat())
                continue;
            ++pictures;
            EXPECT_GT(it.fragment().charFormat().toImageFormat().width(), 0) << "not fitted";
            EXPECT_LE(shown->documentLayout()->blockBoundingRect(b).left() +
                          it.fragment().charFormat().toImageFormat().width(),
                      help->Browser()->viewport()->width());
        }
    }
    EXPECT_GE(pictures, 1);
    QTextDocument* page = help->Browser()->document();
    EXPECT_FALSE(page->resource(QTextDocument::ImageResource, QUrl("gamma-window.png")).isNull());
    help->Browser()->setSource(QUrl("Kelvane%20Introduction.HTM"));
    EXPECT_EQ(help->windowTitle(), "Kelvane: an introduction to Stirling engines");
    ASSERT_TRUE(help->BackAction()->isEnabled());
    help->BackAction()->trigger();
    EXPECT_EQ(help->windowTitle(), "Gamma Stirling Engine Simulator: help");
    EXPECT_TRUE(help->ForwardAction()->isEnabled());
    // A second page reuses the window.
    Platform::Current().OpenDocument(binDir + "/Gamma Kelvane Tutorial.HTM");
    EXPECT_EQ(HelpWindow::Current(), help);
    EXPECT_EQ(help->windowTitle(), "Gamma Stirling Engine Simulator: tutorial");
    help->close();
}

// Help and Tutor from a simulator without a browser: the help window is the
// simulator's own (so usable while the simulator is modal), beside it rather
// than over it on either side of the screen, and Escape or Ctrl+W close it.
TEST(Documents, TheHelpWindowOpensBesideTheSimulatorAndClosesByKey) {
    AppTestEnvironment env;
    env.platform.browser = false;
    env.platform.screen = QSize(1600, 1000);
    TGammaStirlingMainForm gamma;
    gamma.Timer->stop();
    const int width = gamma.minimumWidth();
    struct Case {
        int left;
        QKeySequence close;
    } cases[] = {{20, QKeySequence(Qt::Key_Escape)},
                 {1600 - width - 20, QKeySequence(Qt::CTRL | Qt::Key_W)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        gamma.show();
        gamma.setGeometry(c.left, 40, width, 600);
        gamma.HelpButtonClick();
        QPointer<HelpWindow> help = HelpWindow::Current();
        ASSERT_TRUE(help);
        EXPECT_EQ(help->parentWidget(), &gamma);
        EXPECT_TRUE(help->isWindow());
        EXPECT_TRUE(help->isVisible());
        EXPECT_FALSE(help->frameGeometry().intersects(gamma.frameGeometry()))
            << help->frameGeometry().x() << " " << help->frameGeometry().width() << " / "
            << gamma.frameGeometry().x() << " " << gamma.frameGeometry().width();
        EXPECT_TRUE(QRect(0, 0, 1600, 1000).contains(help->frameGeometry()));
        EXPECT_GE(help->width(), 420);
        EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose)) << "Quit would not end the program";
        help->activateWindow();
        QTest::keySequence(help->Browser(), c.close);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(help) << "still open";
        gamma.hide();
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST(Documents, EveryFileOfTheDocsFolderIsCopiedUnchanged) {
    QDir docs(KELVANE_DOCS_DIR);
    QStringList files = docs.entryList({"*.HTM", "*.css", "*.png"}, QDir::Files);
    EXPECT_GE(files.size(), 9);
    for (const QString& name : files) {
        QFile source(docs.filePath(name)), copy(binDir + "/" + name);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name.toStdString() << " missing";
        EXPECT_EQ(source.readAll(), copy.readAll()) << name.toStdString() << " is stale";
    }
}

// Pages are read offline in any browser: every link and picture must resolve
// inside the program's folder, anchors included, and no page runs a script.
TEST(Documents, EveryLinkInsideThePagesResolves) {
    static const QRegularExpression link(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re",
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList pages = QDir(binDir).entryList({"*.HTM"}, QDir::Files);
    ASSERT_GE(pages.size(), 7);
    int checked = 0;
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        const QString text = ReadText(binDir + "/" + page);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains("<script", Qt::CaseInsensitive));
        EXPECT_TRUE(text.contains(R"(href="kelvane.css")")) << "uses the shared stylesheet";
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            SCOPED_TRACE(target.toStdString());
            if (target.startsWith("http://") || target.startsWith("https://") ||
                target.startsWith("mailto:"))
                continue;
            EXPECT_FALSE(target.isEmpty());
            EXPECT_FALSE(target.startsWith("/") || target.startsWith("file:")) << "relative";
            const qsizetype hash = target.indexOf('#');
            const QString file = QUrl::fromPercentEncoding(target.left(hash).toUtf8());
            const QString anchor = hash < 0 ? QString() : target.mid(hash + 1);
            const QString path = binDir + "/" + (file.isEmpty() ? page : file);
            if (!QFileInfo(path).isFile()) {
                ADD_FAILURE() << "missing";
                continue;
            }
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(ReadText(path).contains("id=\"" + anchor + "\""));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

} // namespace
