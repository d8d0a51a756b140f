#pragma once

#include <QWidget>

class QAction;
class QTextBrowser;

namespace kelvane {

// The program's own reader for its help pages, for a desktop where no browser
// starts: links, anchors and pictures work, Back and Forward step through the
// pages read, and the window's title is the page's; the pages' style sheet
// applies and pictures fit the window's width. Escape and Ctrl+W close it.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the page in the one help window, made on first use. Opened from a
    // window, the help window belongs to it: usable while that window is
    // modal, and placed beside it rather than over it. It never keeps the
    // program running once the launcher is closed.
    static HelpWindow* Open(const QString& path, QWidget* beside = nullptr);
    // The window while it exists (tests).
    static HelpWindow* Current();

    QTextBrowser* Browser() const { return browser_; }
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HelpWindow();
    // Beside the window on the side with more room, within the screen.
    void PlaceBeside(const QWidget* window);
    // Pictures wider than the page are shown at its width.
    void FitPictures();

    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
};

} // namespace kelvane
