// The commissioning commands of the factory pages end to end: identity write and read-back,
// input, output and Pt calibration, the Pt1000 choice and the display image.
#include "korvel/window/FactoryCommands.h"
#include "tests/sim/FactoryStore.h"
#include "tests/korvel/window/KorvelHarness.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

namespace {
struct FactoryFixture : ::testing::Test {
    KorvelHarness h{{"/VORKAL"}};
    FactoryStore store{*h.meter};
    CalibrationPage& cal = *h.w->Calibration;

    void Run(SpeedButton* button)
    {
        button->click();
        h.tick();
        EXPECT_FALSE(button->IsDown()) << button->objectName().toStdString();
    }
    // The request data of the last request of a command.
    std::vector<std::uint8_t> SentData(std::uint8_t command) const
    {
        const auto& requests = h.meter->requests();
        for (auto it = requests.rbegin(); it != requests.rend(); ++it)
            if (it->command == command)
                return it->data;
        return {};
    }
    std::vector<QString> Texts(const std::array<QLabel*, 4>& labels) const
    {
        return {labels[0]->text(), labels[1]->text(), labels[2]->text(), labels[3]->text()};
    }
};

const std::vector<QString> kUnread{"?", "?", "?", "?"};
}  // namespace

TEST_F(FactoryFixture, InputAndPtStepsFillTheirLabelAndTheReadsAllFour)
{
    EXPECT_EQ(Texts(cal.Values.InputLabels), kUnread);
    EXPECT_EQ(Texts(cal.Values.PtLabels), kUnread);
    EXPECT_EQ(cal.Values.InputLabels[0]->objectName(), "Label_RAM1_iCalLow1");
    EXPECT_EQ(cal.Values.PtLabels[3]->objectName(), "Label_iCalPtXohm3W");

    Run(cal.Input->SpeedButton_Cal20mA);
    EXPECT_EQ(Texts(cal.Values.InputLabels), (std::vector<QString>{"?", "20 000", "?", "?"}));
    Run(cal.Input->SpeedButton_Cal0mA);
    Run(cal.Input->SpeedButton_Cal0V);
    Run(cal.Input->SpeedButton_Cal10V);
    EXPECT_EQ(Texts(cal.Values.InputLabels), (std::vector<QString>{"1 000", "20 000", "1 500", "30 000"}));
    EXPECT_EQ(store.input.points, (std::array<std::int32_t, 4>{1000, 20000, 1500, 30000}));

    store.input.points = {-1234567, 0, 7, 2147483647};
    Run(cal.Input->SpeedButton_ReadCalIn);
    EXPECT_EQ(Texts(cal.Values.InputLabels), (std::vector<QString>{"-1 234 567", "0", "7", "2 147 483 647"}));

    Run(cal.Pt->SpeedButton_iCalPtXohm3W);
    EXPECT_EQ(Texts(cal.Values.PtLabels), (std::vector<QString>{"?", "?", "?", "300 456"}));
    Run(cal.Pt->SpeedButton_iCalPt0ohm4W);
    Run(cal.Pt->SpeedButton_iCalPtXohm4W);
    Run(cal.Pt->SpeedButton_iCalPt0ohm3W);
    EXPECT_EQ(Texts(cal.Values.PtLabels), (std::vector<QString>{"-12", "300 123", "-15", "300 456"}));
}

TEST_F(FactoryFixture, PtReadTakesThePt1000FlagOfTheLastStatusAndItsWriteSendsOneByte)
{
    store.pt.points = {1, 22, 333, 4444};
    cal.Pt->CheckBox_bPt1000->setChecked(true);
    h.tick();  // the last status reports a Pt100 sensor
    Run(cal.Pt->SpeedButton_ReadCalPt);
    EXPECT_EQ(Texts(cal.Values.PtLabels), (std::vector<QString>{"1", "22", "333", "4 444"}));
    EXPECT_FALSE(cal.Pt->CheckBox_bPt1000->isChecked());

    cal.Pt->CheckBox_bPt1000->setChecked(true);
    Run(cal.Pt->SpeedButton_bPt1000);
    EXPECT_EQ(SentData(130), (std::vector<std::uint8_t>{1}));
    h.tick();
    Run(cal.Pt->SpeedButton_ReadCalPt);
    EXPECT_TRUE(cal.Pt->CheckBox_bPt1000->isChecked());
    cal.Pt->CheckBox_bPt1000->setChecked(false);
    Run(cal.Pt->SpeedButton_bPt1000);
    EXPECT_EQ(SentData(130), (std::vector<std::uint8_t>{0}));
    EXPECT_EQ(store.pt1000Writes, (std::vector<bool>{true, false}));
}

TEST_F(FactoryFixture, OutputStepsFillTheLabelOfTheTypeSelectedWhenTheReplyArrives)
{
    OutputCalibrationGroup& out = *cal.Output;
    const std::array<QLabel*, 4> labels{cal.Label_PWM4mA, cal.Label_PWM20mA, cal.Label_PWM2V, cal.Label_PWM10V};
    out.SpeedButton_PWMForce->click();
    out.PWMValue = 12345;
    h.tick();  // the poll carries the value
    EXPECT_EQ(h.meter->lastStatusRequest[1] | h.meter->lastStatusRequest[2] << 8, 12345);
    Run(out.SpeedButton_CalPWML);
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"12 345", "?", "?", "?"}));

    out.RadioGroup_KimenetTipusa->item(1)->click();
    EXPECT_EQ(out.SpeedButton_CalPWML->text(), "Kalibrálás 2 V");
    EXPECT_EQ(out.SpeedButton_CalPWMH->text(), "Kalibrálás 10 V");
    out.PWMValue = 2222;
    h.tick();
    Run(out.SpeedButton_CalPWML);
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"12 345", "?", "2 222", "?"}));

    // Pressed as "20 mA", answered after the switch to voltage: the 10 V label.
    out.RadioGroup_KimenetTipusa->item(0)->click();
    out.SpeedButton_CalPWMH->click();
    out.RadioGroup_KimenetTipusa->item(1)->click();
    h.tick();
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"12 345", "?", "2 222", "2 222"}));
    EXPECT_EQ(store.output.points[output_cal::PWM10V], 2222);

    store.output.points = {65535, 0, 123, 4567};
    Run(cal.SpeedButton_ReadPWMCal);
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"65 535", "0", "123", "4 567"}));
}

TEST_F(FactoryFixture, IdentityWriteSendsTheEditsAndTheNextStatusRefillsTheGroup)
{
    IdentityGroup& id = *h.w->Identity;
    h.tick();
    id.Edit_GyariSzam->setText("654321");
    id.Edit_GyariSzamEv->setText("21");
    id.Edit_GyariSzamHonap->setText("7");
    id.ListBox_uDeviceType->setCurrentRow(1);  // QV3320
    id.RadioButton_InputModulQVTMP->setChecked(true);
    id.RadioButton_OutputModul2QVRO->setChecked(true);
    id.RadioButton_OutputModul1QVAO->setChecked(true);
    Run(id.SpeedButton_GyariSzamAKeszulekbe);
    EXPECT_EQ(SentData(1), (std::vector<std::uint8_t>{0xF1, 0xFB, 0x09, 0x00, 21, 7, 0xF8, 0x0C, 2, 5, 3}));
    EXPECT_EQ(id.Edit_GyariSzamHonap->text(), "07");  // rewritten with the value sent

    // The acknowledgement already carries the new identity in its header; the group is refilled
    // from the next status reply, so nothing of the old identity comes back.
    h.tick();
    EXPECT_EQ(id.Edit_GyariSzam->text(), "654321");
    EXPECT_EQ(id.Edit_GyariSzamEv->text(), "21");
    EXPECT_EQ(id.Edit_GyariSzamHonap->text(), "07");
    EXPECT_EQ(id.ListBox_uDeviceType->currentRow(), 1);
    EXPECT_TRUE(id.RadioButton_InputModulQVTMP->isChecked());
    EXPECT_TRUE(id.RadioButton_OutputModul2QVRO->isChecked());
    EXPECT_TRUE(id.RadioButton_OutputModul1QVAO->isChecked());
    EXPECT_EQ(h.w->Header->Label_KeszulekTipus->text(), "QV3320");

    // Written again without a change: the same identity.
    Run(id.SpeedButton_GyariSzamAKeszulekbe);
    ASSERT_EQ(store.identityWrites.size(), 2u);
    EXPECT_EQ(store.identityWrites[1], store.identityWrites[0]);
}

TEST_F(FactoryFixture, DisplayImageIsDrawnBitByBitOnBothPictures)
{
    TestsPage& tests = *h.w->Tests;
    store.display.bytes[0] = 0x81;      // pixels 0 and 7 of row 0
    store.display.bytes[16 + 1] = 0x01;  // pixel 15 of row 1
    store.display.bytes[1023] = 0x01;    // the last pixel, (127, 63)
    Run(tests.SpeedButton_ReadDisplay);
    EXPECT_EQ(SentData(123), (std::vector<std::uint8_t>{0}));

    ASSERT_EQ(tests.Image_OLEDNormalSize->size(), QSize(128, 64));
    ASSERT_EQ(tests.Image_OLED->size(), QSize(512, 256));
    const QImage small = tests.Image_OLEDNormalSize->pixmap().toImage();
    const QImage large = tests.Image_OLED->pixmap().toImage();
    auto black = [](const QImage& image, int x, int y) { return image.pixel(x, y) == 0xFF000000u; };
    struct Pixel {
        int x, y;
        bool set;
    };
    for (const Pixel& p : {Pixel{0, 0, true}, Pixel{1, 0, false}, Pixel{6, 0, false}, Pixel{7, 0, true},
                           Pixel{8, 0, false}, Pixel{15, 1, true}, Pixel{15, 0, false}, Pixel{14, 1, false},
                           Pixel{127, 63, true}, Pixel{126, 63, false}}) {
        EXPECT_EQ(black(small, p.x, p.y), p.set) << p.x << "," << p.y;
        // The 4 x 4 block starts one pixel right and down of 4x, 4y; past the picture it is cut.
        for (int j = 1; j <= 4; ++j)
            for (int i = 1; i <= 4; ++i)
                if (4 * p.x + i < 512 && 4 * p.y + j < 256) {
                    EXPECT_EQ(black(large, 4 * p.x + i, 4 * p.y + j), p.set) << p.x << "," << p.y;
                }
    }
    EXPECT_FALSE(black(large, 0, 0));  // column 0 and row 0 are never painted
    EXPECT_FALSE(black(large, 1, 0));
    EXPECT_FALSE(black(large, 0, 1));
    // What the widget shows is the picture, pixel for pixel.
    EXPECT_TRUE(black(tests.Image_OLED->grab().toImage(), 1, 1));
    EXPECT_FALSE(black(tests.Image_OLED->grab().toImage(), 0, 0));
    EXPECT_TRUE(black(tests.Image_OLEDNormalSize->grab().toImage(), 0, 0));

    // A short reply paints the rest white.
    store.displayLength = 16;
    Run(tests.SpeedButton_ReadDisplay);
    const QImage cut = tests.Image_OLEDNormalSize->pixmap().toImage();
    EXPECT_TRUE(black(cut, 0, 0));
    EXPECT_FALSE(black(cut, 15, 1));
    EXPECT_FALSE(black(cut, 127, 63));
    EXPECT_FALSE(black(tests.Image_OLED->pixmap().toImage(), 509, 253));
}

TEST_F(FactoryFixture, EraseAndResetAreAcknowledged)
{
    Run(h.w->Tests->SpeedButton_EraseFRAM1);
    Run(h.w->Header->SpeedButton_Reset);
    EXPECT_EQ(store.erases, 1);
    EXPECT_EQ(store.resets, 1);
}
