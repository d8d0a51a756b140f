#include "UpDownControl.h"

#include "widgets/FocusFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

namespace kelvane {

namespace {
// Holding an arrow steps again after a pause, then steadily, as the native control does.
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;
} // namespace

UpDownControl::UpDownControl(const QString& name, QWidget* parent)
    : QWidget(parent), repeat_(new QTimer(this)) {
    setObjectName(name);
    // A click leaves the focus in the edit box, as the native control does;
    // Tab reaches it, and Up and Down then press its arrows.
    setFocusPolicy(Qt::TabFocus);
    connect(repeat_, &QTimer::timeout, this, [this] {
        repeat_->setInterval(kRepeatMs);
        if (held_ != 0)
            emit stepRequested(held_ > 0);
    });
}

QRect UpDownControl::ArrowRect(bool up) const {
    int upper = height() / 2;
    return up ? QRect(0, 0, width(), upper) : QRect(0, upper, width(), height() - upper);
}

QPoint UpDownControl::ArrowCentre(bool up) const {
    return ArrowRect(up).center();
}

void UpDownControl::StepWithKeysOf(QWidget* box) {
    box->installEventFilter(this);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit stepRequested(key == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        emit stepRequested(event->key() == Qt::Key_Up);
        return;
    }
    QWidget::keyPressEvent(event);
}

void UpDownControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void UpDownControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void UpDownControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (bool up : {true, false}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = ArrowRect(up);
        button.state |= QStyle::State_Raised;
        if (held_ == (up ? 1 : -1))
            button.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow = button;
        arrow.rect = button.rect.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
    if (hasFocus())
        FocusFrame::Paint(this, painter);
}

void UpDownControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    bool up = ArrowRect(true).contains(event->position().toPoint());
    held_ = up ? 1 : -1;
    update();
    repeat_->start(kFirstRepeatMs);
    emit stepRequested(up);
}

void UpDownControl::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    held_ = 0;
    repeat_->stop();
    update();
}

} // namespace kelvane
