#include "HelpWindow.h"

#include "widgets/Platform.h"

#include <QAction>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvane {

namespace {

QPointer<HelpWindow> g_window;

constexpr QSize kDesignSize(760, 640);
constexpr int kNarrowest = 420;

} // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    // The launcher's Quit ends the program even while a page is open.
    setAttribute(Qt::WA_QuitOnClose, false);
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
    resize(kDesignSize);
}

void HelpWindow::PlaceBeside(const QWidget* window) {
    const QRect owner = window->frameGeometry();
    const QRect area = Platform::Current().AvailableAreaAt(owner.center());
    // A frame not yet known counts as 8 x 32, as elsewhere.
    const QSize frame(8, 32);
    const int right = area.right() - owner.right(), left = owner.left() - area.left();
    const int room = std::max(right, left) - 2 * frame.width();
    const int width =
        std::clamp(room, std::min(kNarrowest, area.width() - frame.width()), kDesignSize.width());
    const int height = std::min(kDesignSize.height(), area.height() - frame.height());
    // Where neither side has room enough, it keeps to the screen and covers
    // as little of the window as it can.
    const int x = right >= left ? std::min(owner.right() + 1 + frame.width(),
                                           area.right() + 1 - frame.width() - width)
                                : std::max(owner.left() - 2 * frame.width() - width, area.left());
    const int top =
        std::clamp(owner.top(), area.top(), area.bottom() + 1 - frame.height() - height);
    setGeometry(x, top, width, height);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Keys the page and the tool bar leave unused reach the window: a page
    // claims Ctrl+W ahead of any shortcut, as a text control's own key.
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Close) ||
        (event->key() == Qt::Key_W && event->modifiers() == Qt::ControlModifier)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

HelpWindow* HelpWindow::Open(const QString& path, QWidget* beside) {
    if (!g_window)
        g_window = new HelpWindow();
    QWidget* owner = beside ? beside->window() : nullptr;
    const bool moved = owner && g_window->parentWidget() != owner;
    if (moved) {
        // A window that is a modal window's own may be used beside it.
        g_window->setParent(owner, Qt::Window);
    }
    // The pages are HTML whatever their names' case (".HTM").
    g_window->browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    if (owner && (moved || !g_window->isVisible()))
        g_window->PlaceBeside(owner);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

HelpWindow* HelpWindow::Current() {
    return g_window;
}

} // namespace kelvane
