#include "UpDownControl.h"

#include <QToolButton>

namespace kelvane {

namespace {

QToolButton* Arrow(QWidget* parent, Qt::ArrowType type, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(type);
    b->setAutoRepeat(true);
    // Like the native control, the arrows never take the focus from the edit box.
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(7, 7));
    return b;
}

} // namespace

UpDownControl::UpDownControl(const QString& name, QWidget* parent)
    : QWidget(parent), up_(Arrow(this, Qt::UpArrow, "up")),
      down_(Arrow(this, Qt::DownArrow, "down")) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepRequested(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepRequested(false); });
}

void UpDownControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace kelvane
