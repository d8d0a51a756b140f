#include "TPopUpGraphForm.h"

#include "EngineWindow.h"
#include "catalog/EngineCatalog.h"
#include "widgets/CaptionFit.h"
#include "widgets/ChartKeys.h"
#include "widgets/ChartMenu.h"
#include "widgets/ChartReadOut.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Platform.h"
#include "widgets/ReadingOrder.h"
#include "widgets/WindowLook.h"

#include <QHideEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace kelvane {

namespace {

// Designed beside 9-point text; grown as the desktop's text is.
int Grown(int designed) {
    return static_cast<int>(designed * FontGrowth());
}
// A chart still shows its title, axis numbers, its curves and its legend.
QSize MinimumChart() {
    return {Grown(290), Grown(125)};
}
int TopPanelHeight() {
    return Grown(97);
}
int ButtonPanelWidth() {
    return Grown(68);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int y) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(Grown(11), Grown(y), Grown(46), Grown(25));
    // Enter must not press a button behind the user's back.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

TPopUpGraphForm::TPopUpGraphForm(AnyEngineWindow& owner, const EngineEntry& engine)
    : TPopUpGraphForm(owner, engine.makeSweep(owner.SimulatedEngine(), owner.Host()),
                      CoreText(engine.sweepCaption)) {}

TPopUpGraphForm::TPopUpGraphForm(SimulatorFrame& owner, std::unique_ptr<ParameterSweep> sweep,
                                 const QString& caption)
    : QDialog(&owner), owner_(owner), sweep_(std::move(sweep)) {
    setObjectName("TPopUpGraphForm");
    setWindowTitle(caption);
    owner.installEventFilter(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ApplyWindowLook(this);
    resize(Grown(811), Grown(624));
    // The smallest window holds the charts two by two.
    setMinimumSize(2 * MinimumChart().width(), TopPanelHeight() + 2 * MinimumChart().height());

    TopPanel = NamedChild(this, "Panel1");
    ButtonPanel = NamedChild(TopPanel, "Panel2");
    CloseButton = Button(ButtonPanel, "CloseButton", tr("&Close"), 8);
    PrintButton = Button(ButtonPanel, "PrintButton", tr("&Print"), 40);
    connect(CloseButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { CloseButtonClick(); }); });
    connect(PrintButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { PrintButtonClick(); }); });

    FitCaptions(ButtonPanel);

    Memo1 = new QPlainTextEdit(TopPanel);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName(tr("Sweep notes"));
    Memo1->setReadOnly(true);
    Memo1->setTabChangesFocus(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(GrownFont("DejaVu Sans Mono", 8));

    const std::vector<TChart*> data = sweep_->Graphs();
    for (int i = 0; i < 4; ++i) {
        charts_[i] = new ChartView(*data[i], this);
        charts_[i]->setObjectName(QString("Chart%1").arg(i + 1));
        // Volumes and temperatures often do not change over a sweep: keep
        // their flat lines off the frame.
        charts_[i]->SetValueMargin(0.05);
        ChartMenu::Attach(charts_[i], [this] { SaveReportClick(); });
        ChartReadOut::Attach(charts_[i]);
        // No crank here: the keys reach a chart for its menu only.
        ChartKeys::Attach(
            charts_[i], [] { return std::optional<int>(); }, [](int) {});
    }
    QWidget* const panels[] = {ButtonPanel, Memo1, charts_[0], charts_[1], charts_[2], charts_[3]};
    SetReadingTabOrder(panels);

    sweep_->onShow = [this] { ShowCentred(); };
    sweep_->onRefresh = [this] { SyncFromSweep(); };
    SyncFromSweep();
    ReSizeGraphs();
}

void TPopUpGraphForm::ShowCentred() {
    if (isVisible()) {
        raise(); // a window left open may lie behind its simulator window
        return;
    }
    // Never larger than the room the screen gives, frame included.
    const QRect area = Platform::Current().AvailableArea();
    const QSize room = RoomOnScreen(this);
    resize(std::min(width(), room.width()), std::min(height(), room.height()));
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    show();
}

void TPopUpGraphForm::PrintButtonClick() {
    Platform::Current().PrintImage(this, grab().toImage());
}

void TPopUpGraphForm::SaveReportClick() {
    SaveReport(this, [this] { return Report(); });
}

ReportPage TPopUpGraphForm::Report() {
    ReportPage page;
    page.title = windowTitle();
    page.date = ReportDate();
    page.parameters = owner_.ParameterRows();
    page.gridHeading = tr("Notes");
    for (const QString& line : NoteLines())
        page.grid.emplace_back(line, QString());
    page.charts.assign(std::begin(charts_), std::end(charts_));
    return page;
}

QStringList TPopUpGraphForm::NoteLines() const {
    QStringList lines;
    for (const SweepNote& note : sweep_->Notes) {
        QString line = CoreMessage(note.first);
        if (note.second)
            line = line.leftJustified(50) + CoreMessage(*note.second);
        lines << line;
    }
    return lines;
}

void TPopUpGraphForm::ReSizeGraphs() {
    const int w = width();
    TopPanel->setGeometry(0, 0, w, TopPanelHeight());
    ButtonPanel->setGeometry(0, 0, ButtonPanelWidth(), TopPanelHeight());
    Memo1->setGeometry(ButtonPanelWidth(), 0, std::max(w - ButtonPanelWidth(), 0),
                       TopPanelHeight());

    // The outer height, frame and caption included, as the window's size counts it.
    const int h = std::max(frameGeometry().height() - TopPanelHeight(), 0) / 4;
    if (h < MinimumChart().height()) {
        // Too low to stack four: two by two, in reading order.
        const int half = std::max(height() - TopPanelHeight(), 0) / 2;
        for (int i = 0; i < 4; ++i)
            charts_[i]->setGeometry(i % 2 * (w / 2), TopPanelHeight() + i / 2 * half, w / 2, half);
        return;
    }
    int y = TopPanelHeight();
    for (int i = 0; i < 3; ++i) {
        charts_[i]->setGeometry(0, y, w, h);
        y += h;
    }
    charts_[3]->setGeometry(0, y, w, std::max(height() - y, 0));
}

void TPopUpGraphForm::SyncFromSweep() {
    for (ChartView* c : charts_)
        c->Sync();
    if (sweep_->Memo1 != shownMemo_) {
        shownMemo_ = sweep_->Memo1;
        Memo1->setPlainText(NoteLines().join('\n'));
        // Caret at the start, nothing selected: the notes read from the top.
        QTextCursor cursor = Memo1->textCursor();
        cursor.movePosition(QTextCursor::Start);
        Memo1->setTextCursor(cursor);
    }
    PrintButton->setEnabled(sweep_->printEnabled);
}

bool TPopUpGraphForm::eventFilter(QObject* watched, QEvent* event) {
    // The simulator window closes: a sweep must not go on driving its engine,
    // nor leave a swept value in the field the window is about to store.
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
        sweep_->Stop();
    return QDialog::eventFilter(watched, event);
}

void TPopUpGraphForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    sweep_->visible = true;
    ReSizeGraphs();
}

void TPopUpGraphForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // Minimising is not closing: the sweep goes on.
    if (!event->spontaneous())
        sweep_->visible = false;
}

void TPopUpGraphForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ReSizeGraphs();
}

} // namespace kelvane
