#include "shell/TErrorReportDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdlib>

namespace kelvane {

namespace {
QString Displayed(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

TErrorReportDialog::TErrorReportDialog(const TErrorReportData& data, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(data.Caption));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    messageLabel = new QLabel(Displayed(data.MessageText), this);
    messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName("OkButton");
    okButton->setDefault(true);
    detailsButton = new QPushButton(tr("&Details >>"), this);
    detailsButton->setObjectName("DetailsButton");
    terminateButton = new QPushButton(tr("&Terminate"), this);
    terminateButton->setObjectName("TerminateButton");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(detailsButton);
    buttons->addWidget(terminateButton);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(messageLabel, 1);
    top->addLayout(buttons);

    pages = new QTabWidget(this);
    pages->setObjectName("Pages");
    pages->setAccessibleName(tr("Details"));
    const TErrorReportOptions& o = data.Options;
    if (o.Contains(excDlgCallStack))
        AddPage(tr("Call Stack"), data.CallStackText);
    if (o.Contains(excDlgRegisters))
        AddPage(tr("Registers"), data.RegisterText);
    if (o.Contains(excDlgCustomInfo))
        AddPage(QString::fromStdString(data.CustomTab), data.CustomInfo);
    pages->setMinimumSize(560, 300);
    pages->setCurrentIndex(0);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(pages, 1);
    // The dialog takes the size of what it shows: compact or detailed.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(detailsButton, &QPushButton::clicked, this, [this] { SetDetailed(!detailed); });
    // Ends the process at once, as asked, without the usual shutdown.
    connect(terminateButton, &QPushButton::clicked, this, [] { std::_Exit(0); });
    connect(pages, &QTabWidget::currentChanged, this, [this] { okButton->setFocus(); });

    terminateButton->setVisible(o.Contains(excDlgTerminate));
    detailsButton->setVisible(pages->count() > 0);
    SetDetailed(pages->count() > 0 && o.Contains(excDlgDetailed));
    okButton->setFocus();
}

void TErrorReportDialog::AddPage(const QString& caption, const std::string& text) {
    auto* box = new QPlainTextEdit(Displayed(text), pages);
    box->setAccessibleName(caption);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font("Courier");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // A little larger than the dialog's text, as the desktop sizes it.
    font.setPointSizeF(QApplication::font().pointSizeF() * 7 / 6);
    box->setFont(font);
    pages->addTab(box, caption);
}

void TErrorReportDialog::SetDetailed(bool on) {
    detailed = on && pages->count() > 0;
    pages->setVisible(detailed);
    detailsButton->setText(detailed ? tr("&Compact <<") : tr("&Details >>"));
}

} // namespace kelvane
