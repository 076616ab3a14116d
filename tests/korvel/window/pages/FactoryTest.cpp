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
    CalibrationPage& cal = *h.Part<korvel::CalibrationPage>();

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
    std::vector<QString> Texts(const std::array<const char*, 4>& labels) const
    {
        std::vector<QString> texts;
        for (const char* name : labels)
            texts.push_back(h.C<QLabel>(name)->text());
        return texts;
    }
};

// The point labels in the point order of the input, Pt and output calibration blocks.
const std::array<const char*, 4> kInputLabels{"Label_RAM1_iCalLow1", "Label_RAM1_iCalHigh1",
                                              "Label_RAM1_iCalLow2", "Label_RAM1_iCalHigh2"};
const std::array<const char*, 4> kPtLabels{"Label_iCalPt0ohm4W", "Label_iCalPtXohm4W",
                                           "Label_iCalPt0ohm3W", "Label_iCalPtXohm3W"};

const std::vector<QString> kUnread{"?", "?", "?", "?"};
}  // namespace

TEST_F(FactoryFixture, InputAndPtStepsFillTheirLabelAndTheReadsAllFour)
{
    EXPECT_EQ(Texts(kInputLabels), kUnread);
    EXPECT_EQ(Texts(kPtLabels), kUnread);
    EXPECT_EQ(cal.Values.InputLabels()[0]->objectName(), "Label_RAM1_iCalLow1");
    EXPECT_EQ(cal.Values.PtLabels()[3]->objectName(), "Label_iCalPtXohm3W");

    Run(h.C<qs::SpeedButton>("SpeedButton_Cal20mA"));
    EXPECT_EQ(Texts(kInputLabels), (std::vector<QString>{"?", "20 000", "?", "?"}));
    Run(h.C<qs::SpeedButton>("SpeedButton_Cal0mA"));
    Run(h.C<qs::SpeedButton>("SpeedButton_Cal0V"));
    Run(h.C<qs::SpeedButton>("SpeedButton_Cal10V"));
    EXPECT_EQ(Texts(kInputLabels), (std::vector<QString>{"1 000", "20 000", "1 500", "30 000"}));
    EXPECT_EQ(store.input.points, (std::array<std::int32_t, 4>{1000, 20000, 1500, 30000}));

    store.input.points = {-1234567, 0, 7, 2147483647};
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadCalIn"));
    EXPECT_EQ(Texts(kInputLabels), (std::vector<QString>{"-1 234 567", "0", "7", "2 147 483 647"}));

    Run(h.C<qs::SpeedButton>("SpeedButton_iCalPtXohm3W"));
    EXPECT_EQ(Texts(kPtLabels), (std::vector<QString>{"?", "?", "?", "300 456"}));
    Run(h.C<qs::SpeedButton>("SpeedButton_iCalPt0ohm4W"));
    Run(h.C<qs::SpeedButton>("SpeedButton_iCalPtXohm4W"));
    Run(h.C<qs::SpeedButton>("SpeedButton_iCalPt0ohm3W"));
    EXPECT_EQ(Texts(kPtLabels), (std::vector<QString>{"-12", "300 123", "-15", "300 456"}));
}

TEST_F(FactoryFixture, PtReadTakesThePt1000FlagOfTheLastStatusAndItsWriteSendsOneByte)
{
    store.pt.points = {1, 22, 333, 4444};
    h.C<QCheckBox>("CheckBox_bPt1000")->setChecked(true);
    h.tick();  // the last status reports a Pt100 sensor
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadCalPt"));
    EXPECT_EQ(Texts(kPtLabels), (std::vector<QString>{"1", "22", "333", "4 444"}));
    EXPECT_FALSE(h.C<QCheckBox>("CheckBox_bPt1000")->isChecked());

    h.C<QCheckBox>("CheckBox_bPt1000")->setChecked(true);
    Run(h.C<qs::SpeedButton>("SpeedButton_bPt1000"));
    EXPECT_EQ(SentData(130), (std::vector<std::uint8_t>{1}));
    h.tick();
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadCalPt"));
    EXPECT_TRUE(h.C<QCheckBox>("CheckBox_bPt1000")->isChecked());
    h.C<QCheckBox>("CheckBox_bPt1000")->setChecked(false);
    Run(h.C<qs::SpeedButton>("SpeedButton_bPt1000"));
    EXPECT_EQ(SentData(130), (std::vector<std::uint8_t>{0}));
    EXPECT_EQ(store.pt1000Writes, (std::vector<bool>{true, false}));
}

TEST_F(FactoryFixture, OutputStepsFillTheLabelOfTheTypeSelectedWhenTheReplyArrives)
{
    OutputCalibrationGroup& out = *h.Part<OutputCalibrationGroup>();
    const std::array<const char*, 4> labels{"Label_PWM4mA", "Label_PWM20mA", "Label_PWM2V",
                                            "Label_PWM10V"};
    h.C<qs::SpeedButton>("SpeedButton_PWMForce")->click();
    out.PWMValue = 12345;
    h.tick();  // the poll carries the value
    EXPECT_EQ(h.meter->lastStatusRequest[1] | h.meter->lastStatusRequest[2] << 8, 12345);
    Run(h.C<qs::SpeedButton>("SpeedButton_CalPWML"));
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"12 345", "?", "?", "?"}));

    h.C<qs::RadioGroup>("RadioGroup_KimenetTipusa")->item(1)->click();
    EXPECT_EQ(h.C<qs::SpeedButton>("SpeedButton_CalPWML")->text(), "Kalibrálás 2 V");
    EXPECT_EQ(h.C<qs::SpeedButton>("SpeedButton_CalPWMH")->text(), "Kalibrálás 10 V");
    out.PWMValue = 2222;
    h.tick();
    Run(h.C<qs::SpeedButton>("SpeedButton_CalPWML"));
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"12 345", "?", "2 222", "?"}));

    // Pressed as "20 mA", answered after the switch to voltage: the 10 V label.
    h.C<qs::RadioGroup>("RadioGroup_KimenetTipusa")->item(0)->click();
    h.C<qs::SpeedButton>("SpeedButton_CalPWMH")->click();
    h.C<qs::RadioGroup>("RadioGroup_KimenetTipusa")->item(1)->click();
    h.tick();
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"12 345", "?", "2 222", "2 222"}));
    EXPECT_EQ(store.output.points[output_cal::PWM10V], 2222);

    store.output.points = {65535, 0, 123, 4567};
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadPWMCal"));
    EXPECT_EQ(Texts(labels), (std::vector<QString>{"65 535", "0", "123", "4 567"}));
}

TEST_F(FactoryFixture, IdentityWriteSendsTheEditsAndTheNextStatusRefillsTheGroup)
{
    h.tick();
    h.C<QLineEdit>("Edit_GyariSzam")->setText("654321");
    h.C<QLineEdit>("Edit_GyariSzamEv")->setText("21");
    h.C<QLineEdit>("Edit_GyariSzamHonap")->setText("7");
    h.C<QListWidget>("ListBox_uDeviceType")->setCurrentRow(1);  // QV3320
    h.C<QRadioButton>("RadioButton_InputModulQVTMP")->setChecked(true);
    h.C<QRadioButton>("RadioButton_OutputModul2QVRO")->setChecked(true);
    h.C<QRadioButton>("RadioButton_OutputModul1QVAO")->setChecked(true);
    Run(h.C<qs::SpeedButton>("SpeedButton_GyariSzamAKeszulekbe"));
    EXPECT_EQ(SentData(1),
              (std::vector<std::uint8_t>{0xF1, 0xFB, 0x09, 0x00, 21, 7, 0xF8, 0x0C, 2, 5, 3}));
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamHonap")->text(),
              "07");  // rewritten with the value sent

    // The acknowledgement already carries the new identity in its header; the group is refilled
    // from the next status reply, so nothing of the old identity comes back.
    h.tick();
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzam")->text(), "654321");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamEv")->text(), "21");
    EXPECT_EQ(h.C<QLineEdit>("Edit_GyariSzamHonap")->text(), "07");
    EXPECT_EQ(h.C<QListWidget>("ListBox_uDeviceType")->currentRow(), 1);
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_InputModulQVTMP")->isChecked());
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_OutputModul2QVRO")->isChecked());
    EXPECT_TRUE(h.C<QRadioButton>("RadioButton_OutputModul1QVAO")->isChecked());
    EXPECT_EQ(h.C<QLabel>("Label_KeszulekTipus")->text(), "QV3320");

    // Written again without a change: the same identity.
    Run(h.C<qs::SpeedButton>("SpeedButton_GyariSzamAKeszulekbe"));
    ASSERT_EQ(store.identityWrites.size(), 2u);
    EXPECT_EQ(store.identityWrites[1], store.identityWrites[0]);
}

TEST_F(FactoryFixture, DisplayImageIsDrawnBitByBitOnBothPictures)
{
    store.display.bytes[0] = 0x81;       // pixels 0 and 7 of row 0
    store.display.bytes[16 + 1] = 0x01;  // pixel 15 of row 1
    store.display.bytes[1023] = 0x01;    // the last pixel, (127, 63)
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadDisplay"));
    EXPECT_EQ(SentData(123), (std::vector<std::uint8_t>{0}));

    ASSERT_EQ(h.C<QLabel>("Image_OLEDNormalSize")->size(), QSize(128, 64));
    ASSERT_EQ(h.C<QLabel>("Image_OLED")->size(), QSize(512, 256));
    const QImage small = h.C<QLabel>("Image_OLEDNormalSize")->pixmap().toImage();
    const QImage large = h.C<QLabel>("Image_OLED")->pixmap().toImage();
    auto black = [](const QImage& image, int x, int y) { return image.pixel(x, y) == 0xFF000000u; };
    struct Pixel {
        int x, y;
        bool set;
    };
    for (const Pixel& p :
         {Pixel{0, 0, true}, Pixel{1, 0, false}, Pixel{6, 0, false}, Pixel{7, 0, true},
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
    EXPECT_TRUE(black(h.C<QLabel>("Image_OLED")->grab().toImage(), 1, 1));
    EXPECT_FALSE(black(h.C<QLabel>("Image_OLED")->grab().toImage(), 0, 0));
    EXPECT_TRUE(black(h.C<QLabel>("Image_OLEDNormalSize")->grab().toImage(), 0, 0));

    // A short reply paints the rest white.
    store.displayLength = 16;
    Run(h.C<qs::SpeedButton>("SpeedButton_ReadDisplay"));
    const QImage cut = h.C<QLabel>("Image_OLEDNormalSize")->pixmap().toImage();
    EXPECT_TRUE(black(cut, 0, 0));
    EXPECT_FALSE(black(cut, 15, 1));
    EXPECT_FALSE(black(cut, 127, 63));
    EXPECT_FALSE(black(h.C<QLabel>("Image_OLED")->pixmap().toImage(), 509, 253));
}

TEST_F(FactoryFixture, EraseAndResetAreAcknowledged)
{
    Run(h.C<qs::SpeedButton>("SpeedButton_EraseFRAM1"));
    Run(h.C<qs::SpeedButton>("SpeedButton_Reset"));
    EXPECT_EQ(store.erases, 1);
    EXPECT_EQ(store.resets, 1);
}
