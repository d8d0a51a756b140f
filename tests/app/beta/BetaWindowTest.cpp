#include "../AppTestSupport.h"
#include "beta/TBetaStirlingMainForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

class BetaWindow : public ::testing::Test {
  protected:
    AppTestEnvironment env;
    std::unique_ptr<TBetaStirlingMainForm> form = std::make_unique<TBetaStirlingMainForm>();

    std::string Cell(int row) { return form->Grid()->item(row, 1)->text().toStdString(); }
    void Show() {
        form->Timer->stop(); // the tests turn the crank themselves
        form->show();
    }
};

// Opens on the defaults with a unit beside every box; a text the model
// cannot use is marked with its reason and leaves the results alone, a
// usable one analyses again.
TEST_F(BetaWindow, ShowsTheAnalysisAndMarksWhatItCannotUse) {
    Show();
    env.Snapshot(*form, "beta-window");
    EXPECT_TRUE(env.errors.empty());
    EXPECT_EQ(Cell(BetaEngine::MeanPressureRow), "500");
    EXPECT_EQ(Cell(BetaEngine::Efficiency), "55.0");
    QStringList labels;
    for (QLabel* l : form->findChildren<QLabel*>())
        labels << l->text();
    for (const char* unit : {"Temp (C)", "pm (kPa)", "n (rpm)", "Bore (mm)", "Disp stroke (mm)",
                             "Piston stroke (mm)", "Dead hot, regenerator, dead cold (cm3)"})
        EXPECT_TRUE(labels.contains(unit)) << unit;

    const std::string work = Cell(BetaEngine::NetWork);
    struct Case {
        Field field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {Field::Bore, "0", "Bore must be from 0.001 to 1000000 mm"},
        {Field::RegeneratorVolume, "-1", "Regenerator volume must be from 0 to 1000000000 cm3"},
        {Field::ColdTemp, "500", "Cold temperature must not be above the hot temperature"},
        {Field::PhaseAngle, "200", "Phase angle must be from -180 to 180 degrees"},
    };
    for (const Case& c : cases) {
        QLineEdit* edit = form->Host().Edit(c.field);
        const QString good = edit->text();
        edit->setText(c.text);
        EXPECT_TRUE(form->Marked(c.field)) << c.text;
        EXPECT_EQ(form->ProblemLine()->text().toStdString(), c.message);
        EXPECT_EQ(Cell(BetaEngine::NetWork), work);
        edit->setText(good);
        EXPECT_FALSE(form->Marked(c.field));
    }
    form->Host().Edit(Field::HotDeadVolume)->setText("0");
    EXPECT_NE(Cell(BetaEngine::NetWork), work);
    EXPECT_TRUE(env.errors.empty());
    EXPECT_TRUE(env.platform.messages.isEmpty());
}

} // namespace
