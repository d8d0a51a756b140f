#include "HelpWindow.h"

#include "shell/Languages.h"

#include "widgets/Platform.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace kelvane {

namespace {

QPointer<HelpWindow> g_window;

// The reader knows no figure elements: it would run a picture, its caption
// and the text around them together on one line. As blocks they keep their
// own lines, headings above their pictures, captions below.
class PageReader : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant data = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || data.typeId() != QMetaType::QByteArray)
            return data;
        QString page = QString::fromUtf8(data.toByteArray());
        page.replace("<figure>", "<div class=\"figure\">")
            .replace("</figure>", "</div>")
            .replace("<figcaption>", "<p class=\"figcaption\">")
            .replace("</figcaption>", "</p>");
        return page;
    }
};

constexpr QSize kDesignSize(760, 640);
constexpr int kNarrowest = 420;

} // namespace

HelpWindow::HelpWindow() : browser_(new PageReader(this)) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    // The launcher's Quit ends the program even while a page is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setAccessibleName(tr("Help page"));
    // The pages' style sheet colours their text for its own light page, which
    // the reader does not paint: the page's ground comes from the palette.
    QPalette page = browser_->palette();
    page.setColor(QPalette::Base, QColor(0xfd, 0xfd, 0xf8));
    page.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
    browser_->setPalette(page);
    auto* bar = new QToolBar(this);
    back_ = bar->addAction(tr("Back"), browser_, &QTextBrowser::backward);
    forward_ = bar->addAction(tr("Forward"), browser_, &QTextBrowser::forward);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    // Pages beyond the program's own go to the desktop, if it can open them.
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(browser_->documentTitle());
        FitPictures();
    });

    browser_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    // The pages are written in English only; a student who chose another
    // language is told so rather than left to wonder.
    if (InstalledLanguage() != "en") {
        auto* note = new QLabel(tr("The help pages are in English."), this);
        note->setObjectName("EnglishNote");
        note->setContentsMargins(6, 2, 6, 2);
        layout->addWidget(note);
    }
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

void HelpWindow::FitPictures() {
    QTextDocument* page = browser_->document();
    const int pageWidth = browser_->viewport()->width();
    if (pageWidth <= 0)
        return;
    struct Picture {
        int position;
        int room; // the width of its line: the page less the indent on either side
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                pictures.push_back(
                    {fragment.position(),
                     pageWidth -
                         2 * static_cast<int>(
                                 page->documentLayout()->blockBoundingRect(block).left() +
                                 block.blockFormat().leftMargin()) -
                         2,
                     fragment.charFormat().toImageFormat()});
        }
    }
    for (Picture& picture : pictures) {
        const QVariant data =
            page->resource(QTextDocument::ImageResource, QUrl(picture.format.name()));
        QSize natural;
        if (data.typeId() == QMetaType::QImage)
            natural = data.value<QImage>().size();
        else if (data.typeId() == QMetaType::QPixmap)
            natural = data.value<QPixmap>().size();
        else if (data.typeId() == QMetaType::QByteArray)
            natural = QImage::fromData(data.toByteArray()).size();
        if (natural.isEmpty())
            continue;
        // Never wider than the page, never enlarged.
        const int width = std::min(natural.width(), std::max(picture.room, 1));
        picture.format.setWidth(width);
        picture.format.setHeight(static_cast<double>(natural.height()) * width / natural.width());
        QTextCursor cursor(page);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browser_->viewport() && event->type() == QEvent::Resize)
        FitPictures();
    return QWidget::eventFilter(watched, event);
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
    // The pages share one style sheet, which the reader does not fetch from
    // their links by itself.
    QFile css(QFileInfo(path).dir().filePath("kelvane.css"));
    if (css.open(QIODevice::ReadOnly))
        g_window->browser_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
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
