// The input and Pt calibration groups both programs use: names and captions, the labels
// "?" until read in point order, and what the layout chooses.
#include "common/calibration/InputCalibrationGroup.h"
#include "common/calibration/PtCalibrationGroup.h"
#include "tests/FindControl.h"

#include <QAbstractButton>
#include <QGridLayout>

#include <gtest/gtest.h>

using namespace qs;

namespace {
struct Groups {
    QWidget inputPage;
    QWidget ptPage;
    InputCalibrationGroup* input;
    PtCalibrationGroup* pt;

    explicit Groups(const CalibrationGroupLayout& layout)
        : input(new InputCalibrationGroup(&inputPage, "Bemenet kalibrálás", layout)),
          pt(new PtCalibrationGroup(&ptPage, layout))
    {
    }
};

QStringList Names(const std::array<QLabel*, 4>& labels)
{
    QStringList names;
    for (const QLabel* label : labels) {
        EXPECT_EQ(label->text(), "?") << label->objectName().toStdString();
        names << label->objectName();
    }
    return names;
}
}  // namespace

TEST(CalibrationGroups, ControlsCarryTheirNamesAndCaptions)
{
    const Groups g{CalibrationGroupLayout{}};
    EXPECT_EQ(findcontrol::Find<QGroupBox>(&g.inputPage, "GroupBox_InputCalQVAIN")->title(),
              "Bemenet kalibrálás");
    struct Row {
        const QWidget* page;
        const char* name;
        const char* caption;
    };
    const Row rows[] = {
        {&g.inputPage, "SpeedButton_Cal0mA", "Kalibrálás 0 mA"},
        {&g.inputPage, "SpeedButton_Cal20mA", "Kalibrálás 20 mA"},
        {&g.inputPage, "SpeedButton_Cal0V", "Kalibrálás 0 V"},
        {&g.inputPage, "SpeedButton_Cal10V", "Kalibrálás 10 V"},
        {&g.inputPage, "SpeedButton_ReadCalIn", "Kiolvasás a készülékből"},
        {&g.ptPage, "SpeedButton_iCalPt0ohm4W", "Kalibrálás 0 ohm"},
        {&g.ptPage, "SpeedButton_iCalPtXohm4W", "Kalibrálás 300 ohm"},
        {&g.ptPage, "SpeedButton_iCalPt0ohm3W", "Kalibrálás 0 ohm"},
        {&g.ptPage, "SpeedButton_iCalPtXohm3W", "Kalibrálás 300 ohm"},
        {&g.ptPage, "SpeedButton_ReadCalPt", "Kiolvasás a készülékből"},
        {&g.ptPage, "CheckBox_bPt1000", "Pt 1000 (nem Pt 100)"},
        {&g.ptPage, "SpeedButton_bPt1000", "Készülékbe írás"},
    };
    for (const Row& r : rows) {
        const auto* button = findcontrol::Find<QAbstractButton>(r.page, r.name);
        ASSERT_NE(button, nullptr) << r.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(r.caption)) << r.name;
    }
    EXPECT_EQ(Names(g.input->PointLabels()),
              (QStringList{"Label_RAM1_iCalLow1", "Label_RAM1_iCalHigh1", "Label_RAM1_iCalLow2",
                           "Label_RAM1_iCalHigh2"}));
    EXPECT_EQ(Names(g.pt->PointLabels()),
              (QStringList{"Label_iCalPt0ohm4W", "Label_iCalPtXohm4W", "Label_iCalPt0ohm3W",
                           "Label_iCalPtXohm3W"}));
    // The notes stand above their pair of steps.
    auto* grid = qobject_cast<QGridLayout*>(g.ptPage.layout());
    ASSERT_NE(grid, nullptr);
    for (const auto& [row, note] : {std::pair{0, "4 vezetékkel kell bekötni a kalibrátort!"},
                                    std::pair{3, "3 vezetékkel kell bekötni a kalibrátort!"}}) {
        const auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(note));
    }
}

TEST(CalibrationGroups, TheLayoutPlacesTheReadAndSizesTheLabels)
{
    struct Row {
        CalibrationGroupLayout layout;
        int readColumns;
        int labelMinimumWidth;
    };
    for (const Row& r :
         {Row{{.readAcrossLabels = true, .stretchColumn = 1, .labelMinimumWidth = 0}, 2, 0},
          Row{{.readAcrossLabels = false, .stretchColumn = 2, .labelMinimumWidth = 80}, 1, 80}}) {
        const Groups g{r.layout};
        for (SpeedButton* read :
             {findcontrol::Find<SpeedButton>(&g.inputPage, "SpeedButton_ReadCalIn"),
              findcontrol::Find<SpeedButton>(&g.ptPage, "SpeedButton_ReadCalPt")}) {
            auto* grid = qobject_cast<QGridLayout*>(read->parentWidget()->layout());
            ASSERT_NE(grid, nullptr);
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(grid->indexOf(read), &row, &column, &rows, &columns);
            EXPECT_EQ(column, 0);
            EXPECT_EQ(columns, r.readColumns);
            EXPECT_EQ(grid->columnStretch(r.layout.stretchColumn), 1);
        }
        for (const QLabel* label : g.input->PointLabels())
            EXPECT_EQ(label->minimumWidth(), r.labelMinimumWidth);
        for (const QLabel* label : g.pt->PointLabels())
            EXPECT_EQ(label->minimumWidth(), r.labelMinimumWidth);
    }
}
