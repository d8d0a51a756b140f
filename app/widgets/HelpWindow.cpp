#include "HelpWindow.h"

#include <QAction>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QPointer<HelpWindow> g_window;

} // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* bar = new QToolBar(this);
    back_ = bar->addAction("Back", browser_, &QTextBrowser::backward);
    forward_ = bar->addAction("Forward", browser_, &QTextBrowser::forward);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    // Pages beyond the program's own go to the desktop, if it can open them.
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(760, 640);
}

HelpWindow* HelpWindow::Open(const QString& path) {
    if (!g_window)
        g_window = new HelpWindow();
    // The pages are HTML whatever their names' case (".HTM").
    g_window->browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

HelpWindow* HelpWindow::Current() {
    return g_window;
}

} // namespace kelvane
