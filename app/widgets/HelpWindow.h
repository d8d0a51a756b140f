#pragma once

#include <QWidget>

class QAction;
class QTextBrowser;

namespace kelvane {

// The program's own reader for its help pages, for a desktop where no browser
// starts: links, anchors and pictures work, Back and Forward step through the
// pages read, and the window's title is the page's.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the page in the one help window, made on first use.
    static HelpWindow* Open(const QString& path);
    // The window while it exists (tests).
    static HelpWindow* Current();

    QTextBrowser* Browser() const { return browser_; }
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }

  private:
    HelpWindow();

    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
};

} // namespace kelvane
