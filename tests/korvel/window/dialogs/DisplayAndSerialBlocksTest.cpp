// The QV5510 page's display block and the RS-485 module's block on the simulated meter: what
// a read and a factory-default read show, what a write sends, and the edge cases of their
// rules (brightness outside the track bar, no refresh item, lists without a selection, the
// time-out entry).
#include "DialogHarness.h"

#include "common/ui/ModbusControls.h"
#include "common/ui/RadioGroup.h"

#include <QComboBox>
#include <QLineEdit>

using namespace qs;
using namespace korvel;

namespace {

using Bytes = ModuleStore::Bytes;

struct DisplayFixture : ::testing::Test {
    DialogHarness h;

    // brightness position, its label, leading zeros, refresh item
    std::tuple<int, std::string, bool, int> shown() const
    {
        return {h.C<QSlider>("TrackBar_Brightness_QV5510")->value(),
                h.C<QLabel>("Label_Brightness_QV5510")->text().toStdString(),
                h.C<QCheckBox>("CheckBox_DisplayLeaderZeros_QV5510")->isChecked(),
                h.C<RadioGroup>("RadioGroup_uCounterForDisplayRefresh")->ItemIndex()};
    }
    void press(SpeedButton* b)
    {
        b->click();
        h.tick();
    }
};

}  // namespace

// A read shows the stored block, a default read the default block; a write sends what is on
// show and one read follows.
TEST_F(DisplayFixture, ReadDefaultAndWrite)
{
    using Shown = std::tuple<int, std::string, bool, int>;
    h.meter->clearLog();
    press(h.C<qs::SpeedButton>("SpeedButton_ReadFromDevice_QV5510"));
    EXPECT_EQ(shown(), (Shown{7, "70%", false, 2}));
    press(h.C<qs::SpeedButton>("SpeedButton_ReadDefault_QV5510"));
    EXPECT_EQ(shown(), (Shown{10, "100%", true, 4}));
    h.C<QSlider>("TrackBar_Brightness_QV5510")->setValue(3);
    h.C<qs::RadioGroup>("RadioGroup_uCounterForDisplayRefresh")->item(6)->click();
    press(h.C<qs::SpeedButton>("SpeedButton_WriteToDevice_QV5510"));
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadFromDevice_QV5510")->IsDown());
    h.tick();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{217, 219, 218, 217, 101}));
    EXPECT_EQ(LastRequest(*h.meter, 218), (Bytes{3, 1, 200}));
    EXPECT_EQ(shown(), (Shown{3, "30%", true, 6}));
}

// The rules on both sides: the track bar holds a brightness within 1..10 and its label
// follows; a refresh code outside the table selects "500 ms"; a write before any read (no
// refresh item) sends 50.
TEST_F(DisplayFixture, EdgeCases)
{
    using Shown = std::tuple<int, std::string, bool, int>;
    press(h.C<qs::SpeedButton>("SpeedButton_WriteToDevice_QV5510"));
    EXPECT_EQ(LastRequest(*h.meter, 218), (Bytes{5, 1, 50}));
    struct Row {
        Bytes stored;
        Shown expected;
    };
    for (const Row& r :
         {Row{{0, 0, 7}, {1, "10%", false, 4}}, Row{{200, 9, 100}, {10, "100%", true, 5}},
          Row{{1, 0, 1}, {1, "10%", false, 0}}, Row{{}, {1, "10%", false, 4}}}) {
        h.modules.Stored(217) = r.stored;
        h.C<QLabel>("Label_Brightness_QV5510")->setText("?");
        h.C<qs::SpeedButton>("SpeedButton_ReadFromDevice_QV5510")->SetDown(true);
        h.tick();
        EXPECT_EQ(shown(), r.expected);
    }
}

// The QVSER block: a read index past a list leaves it without a selection, a list without a
// selection sends 255; the time-out goes through the clamped entry 0..65535 and its edit
// shows the value sent.
TEST(QvserBlock, EdgeCases)
{
    struct Row {
        const char* name;
        Bytes stored;
        const char* timeOut;  // typed before the write; nullptr: as read
        Bytes sent;
        int baudShown;
        const char* timeOutShown;
    };
    const Row rows[] = {
        {"baud index 20 and address 250: no selection",
         {1, 3, 20, 250, 5, 0},
         nullptr,
         {1, 3, 255, 255, 5, 0},
         -1,
         "5"},
        {"a negative time-out sends the maximum",
         ModuleStore::kQvser,
         "-1",
         {1, 2, 11, 17, 0xFF, 0xFF},
         11,
         "65535"},
        {"a time-out that is no number sends 0",
         ModuleStore::kQvser,
         "1e3",
         {1, 2, 11, 17, 0, 0},
         11,
         "0"},
        {"an empty time-out sends 0", ModuleStore::kQvser, "", {1, 2, 11, 17, 0, 0}, 11, "0"},
        {"70000 sends 65535",
         ModuleStore::kQvser,
         "70000",
         {1, 2, 11, 17, 0xFF, 0xFF},
         11,
         "65535"},
        {"a short reply reads zeros", {1, 2}, nullptr, {1, 2, 0, 0, 0, 0}, 0, "0"},
    };
    for (const Row& r : rows) {
        DialogHarness h;
        h.modules.Stored(214) = r.stored;
        EXPECT_TRUE(h.whileOpen(h.button("Button_QV3320_QVSER_Fo"), h.qvser, [&] {
            h.tick();
            EXPECT_EQ(
                findcontrol::Find<QComboBox>(h.qvser, "ComboBox_MODBUSBaudRate")->currentIndex(),
                r.baudShown)
                << r.name;
            if (r.timeOut)
                findcontrol::Find<QLineEdit>(h.qvser, "Edit_MODBUSTimeOut")->setText(r.timeOut);
            findcontrol::Find<qs::SpeedButton>(h.qvser, "SpeedButton_WriteToDevice")->click();
            h.tick();
            EXPECT_EQ(
                findcontrol::Find<QLineEdit>(h.qvser, "Edit_MODBUSTimeOut")->text().toStdString(),
                r.timeOutShown)
                << r.name;
        })) << r.name;
        EXPECT_EQ(LastRequest(*h.meter, 215), r.sent) << r.name;
    }
    // Before any reply the baud-rate list has no selection: the write sends 255.
    DialogHarness h;
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV5530_QVSER_Fo"), h.qvser, [&] {
        findcontrol::Find<qs::SpeedButton>(h.qvser, "SpeedButton_WriteToDevice")->click();
        h.tick();
    }));
    EXPECT_EQ(LastRequest(*h.meter, 215), (Bytes{0, 1, 255, 0, 0, 0}));
}
