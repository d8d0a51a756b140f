#include "FrameWidgets.h"

#include "shell/Languages.h"

#include "foundations/Conversions.h"
#include "foundations/SliderMath.h"
#include "widgets/CaptionFit.h"
#include "widgets/EnterKeys.h"
#include "widgets/WidgetHost.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <utility>

namespace kelvane {

FrameWidgets::FrameWidgets(QWidget* window, QWidget* panel, WidgetHost& host,
                           const ParameterTable& table, EnterKeys& keys, Runner run,
                           Runner callEngine)
    : window_(window), panel_(panel), host_(host), table_(table), keys_(keys), run_(std::move(run)),
      callEngine_(std::move(callEngine)) {}

void FrameWidgets::AddFrameButtons(std::span<const FrameButtonPlace> places,
                                   const std::function<void(FrameButton)>& click) {
    for (const FrameButtonPlace& place : places) {
        const FrameButton role = place.role;
        QPushButton* b = AddButton(
            QCoreApplication::translate("SimulatorFrame", place.caption), place.x, place.y,
            place.width, [click, role] { click(role); }, !place.keepsKeys);
        if (place.name)
            b->setObjectName(place.name);
        if (place.toolTip)
            b->setToolTip(QCoreApplication::translate("SimulatorFrame", place.toolTip));
        if (role == FrameButton::ShowPV)
            SetOtherCaptions(b, {QCoreApplication::translate("SimulatorFrame", "Hide P&V")});
        buttons_[static_cast<int>(role)] = b;
    }
}

QPushButton* FrameWidgets::AddButton(const QString& caption, int x, int y, int width,
                                     const std::function<void()>& handler, bool passesKeys) {
    auto* b = new QPushButton(caption, panel_);
    b->setGeometry(x, y, width, 25);
    b->setAutoDefault(false);
    b->setDefault(false);
    QObject::connect(b, &QPushButton::clicked, window_, [this, handler] { run_(handler); });
    if (!passesKeys)
        KeepKeys(b);
    else
        keys_.Watch(b); // for Enter, which presses it
    return b;
}

QLineEdit* FrameWidgets::AddField(Field field, int x, int y, const QString& text, bool passesKeys) {
    auto* e = new QLineEdit(text, panel_);
    const FieldRow& row = table_.RowOf(field);
    e->setObjectName(row.control);
    e->setAccessibleName(SpokenName(row, FieldControl::Box));
    e->setGeometry(x, y, 41, 21);
    host_.AddField(field, e);
    if (!passesKeys)
        KeepKeys(e);
    return e;
}

std::vector<QLineEdit*> FrameWidgets::AddFields(std::span<const FieldPlace> places) {
    std::vector<QLineEdit*> edits;
    for (const FieldPlace& place : places) {
        QLineEdit* edit = AddField(place.field, place.x, place.y, place.text, true);
        edit->resize(place.width, edit->height());
        edits.push_back(edit);
    }
    return edits;
}

QLabel* FrameWidgets::AddLabel(const QString& caption, int x, int y, QWidget* parent) {
    auto* l = new QLabel(caption, parent ? parent : panel_);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QWidget* FrameWidgets::AddBevel(int x, int y, int width, int height) {
    auto* f = new QFrame(panel_);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(x, y, width, height);
    f->lower();
    return f;
}

QLabel* FrameWidgets::AddSwatch(const char* name, QColor colour, int x, int y, int width,
                                int height) {
    auto* l = new QLabel(panel_);
    l->setObjectName(name);
    l->setGeometry(x, y, width, height);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, colour);
    l->setPalette(p);
    return l;
}

QSlider* FrameWidgets::AddHotTempSlider(const std::function<void(int)>& onChange) {
    auto* slider = new QSlider(Qt::Horizontal, panel_);
    slider->setObjectName("HotTempTB");
    slider->setGeometry(8, 25, 137, 24);
    slider->setRange(0, 1000);
    slider->setTickInterval(100);
    slider->setTickPosition(QSlider::TicksAbove);
    slider->setValue(1000);
    QObject::connect(slider, &QSlider::valueChanged, window_,
                     [this, onChange](int position) { callEngine_([&] { onChange(position); }); });
    return slider;
}

QSlider* FrameWidgets::AddPhaseOffsetSlider(int x, int y,
                                            const std::function<void(int)>& onChange) {
    auto* slider = new QSlider(Qt::Horizontal, panel_);
    slider->setObjectName("PhaseOffsetTB");
    slider->setGeometry(x, y, 150, 25);
    slider->setRange(-175, 175);
    slider->setTickInterval(45);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(0);
    KeepKeys(slider);
    QObject::connect(slider, &QSlider::valueChanged, window_,
                     [this, onChange](int position) { callEngine_([&] { onChange(position); }); });
    return slider;
}

QLabel* FrameWidgets::AddVolumeLabel(int x, int y, int minimumWidth) {
    // A dash until the engine writes the first volume (the Ringbom's first step).
    QLabel* label =
        AddLabel(CoreMessage({"Vol = %1", {Message::Literal("\u2013")}}), x, y, nullptr);
    label->setObjectName("lDebug");
    label->setMinimumWidth(minimumWidth);
    host_.SetVolumeLabel(label);
    return label;
}

void FrameWidgets::KeepKeys(QWidget* control) {
    keys_.Keep(control);
}

QString FrameWidgets::SpokenName(const FieldRow& row, FieldControl control) {
    const QString label = QString::fromUtf8(row.label[0] ? row.label : row.control);
    switch (control) {
    case FieldControl::Slider:
        return QCoreApplication::translate("FrameWidgets", "%1 slider").arg(label);
    case FieldControl::UpDown:
        return QCoreApplication::translate("FrameWidgets", "%1 up-down").arg(label);
    case FieldControl::Box:
        break;
    }
    if (!row.unit[0])
        return label;
    return QCoreApplication::translate("FrameWidgets", "%1, %2")
        .arg(label, QString::fromUtf8(row.unit));
}

void FrameWidgets::FollowSliders(QSlider* hotTemp, QSlider* phaseOffset) {
    auto follow = [this](QSlider* slider, Field field, auto toPosition) {
        const FieldRow* row = slider ? table_.Find(field) : nullptr;
        if (!row)
            return;
        // A text the engine cannot use is marked and left to the student;
        // one it can use beyond the slider's range puts the slider at its end,
        // so the slider never shows a value other than the one computed with.
        const std::string text = host_.FieldText(field);
        int value = 0;
        if (table_.CheckText(*row, text) || !TryStrToInt(text, value))
            return;
        QSignalBlocker quiet(slider);
        slider->setValue(std::clamp(toPosition(value), slider->minimum(), slider->maximum()));
    };
    follow(hotTemp, Field::HotTemp, [](int t) { return HotTempSliderPosition(t); });
    follow(phaseOffset, Field::PhaseOffset, [](int offset) { return offset; });
}

} // namespace kelvane
