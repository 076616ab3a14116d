// The temperature dialog end to end on the simulated meter: which groups show for which
// selection, the resistance and scale labels, the kept block that a write sends back, the
// number editor on its two scale values, and a block whose decimals have no picture.
#include "DialogHarness.h"

#include "common/ui/RadioGroup.h"

#include <QGroupBox>

using namespace qs;
using namespace korvel;

namespace {

using Bytes = ModuleStore::Bytes;

std::string WithSeparator(std::string text, char sep)
{
    std::replace(text.begin(), text.end(), '.', sep);
    return text;
}

struct QvtmpFixture : ::testing::Test {
    DialogHarness h;
    QvtmpDialog* d = h.qvtmp;

    bool potShown() const { return !findcontrol::Find<QGroupBox>(d, "GroupBox_Pot")->isHidden(); }
    bool leadShown() const
    {
        return !findcontrol::Find<QGroupBox>(d, "GroupBox_QVTMP_R2W")->isHidden();
    }
    bool open(const std::function<void()>& body)
    {
        return h.whileOpen(h.button("Button_QV5510_QVTMP"), d, body);
    }
    void read()
    {
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_ReadFromDevice")->SetDown(true);
        h.tick();
    }
};

class QvtmpLocale : public QvtmpFixture, public ::testing::WithParamInterface<Separator> {};

}  // namespace

// The dialog's controls with their captions; the measurement boxes keep their design text,
// and "Megállapítás méréssel", "Rvez = 0", "0%" and "100%" do nothing.
TEST_F(QvtmpFixture, ControlsCaptionsAndTheButtonsWithoutAction)
{
    auto title = [&](const char* name) {
        auto* g = findcontrol::Find<QGroupBox>(d, name);
        return g ? g->title().toStdString() : std::string("<missing>");
    };
    const std::pair<const char*, const char*> groups[] = {
        {"GroupBox23", "Mért ellenállás"},
        {"GroupBox5", "Mért hőmérséklet"},
        {"RadioGroup_QVTMP_Mode", "Üzemmód"},
        {"RadioGroup_QVTMP_Wires", "Vezetékszám"},
        {"GroupBox_QVTMP_R2W", "2 vezetékes mérés: vezeték ellenállás"},
        {"RadioGroup_QVTMP_Average", "Átlagolt mérések"},
        {"GroupBox_Pot", "Potenciométer üzemmód beállításai"},
        {"GroupBox4", "A 0% és a 100% pozíció beállítása"},
        {"RadioGroup_uDecimalPointSettings", "Tizedesjegyek"},
        {"GroupBox1", "Potenciométer skálázása"},
        {"RadioGroup_uRoundSettings", "Kerekítés"},
    };
    for (const auto& [name, caption] : groups)
        EXPECT_EQ(title(name), caption) << name;
    const std::pair<const char*, const char*> labels[] = {
        {"Label11", "Érzékelő típusa:"},
        {"Label_bPt1000", "Pt1000"},
        {"Label_QVTMP_R", "000.00"},
        {"Label_QVTMP_FokC", "0000.0"},
        {"Label_QVTMP_R2W", "000.00"},
        {"Label_QVTMP_CalPot0", "000.00"},
        {"Label_QVTMP_CalPot100", "000.00"},
        {"Label36", "A potenciométer 0%-ához"},
        {"Label1", "tartozó kijelzési érték:"},
        {"Label_iScaleLowSettings", "xxxxx"},
        {"Label2", "A potenciométer 100%-ához"},
        {"Label3", "tartozó kijelzési érték:"},
        {"Label_iScaleHighSettings", "xxxxx"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(h.text(name, d), text) << name;
    EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_QVTMP_Average")->count(), 6);
    EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uRoundSettings")->count(), 7);
    EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uDecimalPointSettings")->ItemIndex(),
              2);

    EXPECT_TRUE(open([&] {
        h.tick();
        const std::vector<QPushButton*> inert = {
            findcontrol::Find<QPushButton>(d, "Button_QVTMP_R2W_Meas"),
            findcontrol::Find<QPushButton>(d, "Button_QVTMP_R2W_Zero"),
            findcontrol::Find<QPushButton>(d, "Button_QVTMP_CalPot0"),
            findcontrol::Find<QPushButton>(d, "Button_QVTMP_CalPot100")};
        const std::vector<const char*> captions = {"Megállapítás méréssel", "Rvez = 0", "0%",
                                                   "100%"};
        const QvtmpBlock kept = h.state().LastQVTMPBlock;
        h.meter->clearLog();
        for (std::size_t i = 0; i < inert.size(); ++i) {
            EXPECT_EQ(inert[i]->text().toStdString(), captions[i]);
            inert[i]->click();
        }
        h.tick();
        EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{101}));
        EXPECT_EQ(h.state().LastQVTMPBlock, kept);
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_QVTMP_R")->text(), "000.00");
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_QVTMP_FokC")->text(), "0000.0");
    }));
}

// Both groups start hidden; each follows its radio group's clicks, and the values inside a
// hidden group are still sent.
TEST_F(QvtmpFixture, GroupsFollowTheClicks)
{
    EXPECT_FALSE(potShown());
    EXPECT_FALSE(leadShown());
    EXPECT_TRUE(open([&] {
        h.tick();
        EXPECT_TRUE(potShown());
        EXPECT_TRUE(leadShown());
        struct Click {
            RadioGroup* group;
            int item;
            bool pot, lead;
        };
        RadioGroup* mode = findcontrol::Find<RadioGroup>(d, "RadioGroup_QVTMP_Mode");
        RadioGroup* wires = findcontrol::Find<RadioGroup>(d, "RadioGroup_QVTMP_Wires");
        for (const Click& c :
             {Click{mode, 0, false, true}, Click{mode, 2, true, true}, Click{mode, 1, false, true},
              Click{wires, 1, false, false}, Click{mode, 2, true, false},
              Click{wires, 2, true, false}, Click{wires, 0, true, true}}) {
            c.group->item(c.item)->click();
            EXPECT_EQ(potShown(), c.pot) << c.group->objectName().toStdString() << " " << c.item;
            EXPECT_EQ(leadShown(), c.lead) << c.group->objectName().toStdString() << " " << c.item;
        }
        findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_QVTMP_Mode")->item(0)->click();
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice")->click();
        h.tick();
    }));
    Bytes sent = ModuleStore::kQvtmp;
    sent[0] = 0;  // "°C"; decimals and scale as before
    EXPECT_EQ(LastRequest(*h.meter, 225), sent);
}

// A reply selects the items, and the groups follow without a click; wires below 2 leave no
// selection and hide the lead resistance, and a write from there sends 1 wire.
TEST_F(QvtmpFixture, GroupsFollowTheReplies)
{
    struct Row {
        const char* name;
        std::uint8_t mode, wires;
        int modeItem, wiresItem;
        bool pot, lead;
    };
    const Row rows[] = {
        {"potentiometer, 2 wires", 2, 2, 2, 0, true, true},
        {"°C, 3 wires", 0, 3, 0, 1, false, false},
        {"mode past the list, 2 wires", 7, 2, 2, 0, true, true},
        {"resistance, wires 1", 1, 1, 1, -1, false, false},
        {"potentiometer, wires 0 after 2", 2, 2, 2, 0, true, true},
        {"potentiometer, wires 0", 2, 0, 2, -1, true, false},
        {"wires 9", 0, 9, 0, 2, false, false},
    };
    for (const Row& r : rows) {
        Bytes b = ModuleStore::kQvtmp;
        b[0] = r.mode;
        b[1] = r.wires;
        h.modules.Stored(223) = b;
        read();
        EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_QVTMP_Mode")->ItemIndex(),
                  r.modeItem)
            << r.name;
        EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_QVTMP_Wires")->ItemIndex(),
                  r.wiresItem)
            << r.name;
        EXPECT_EQ(potShown(), r.pot) << r.name;
        EXPECT_EQ(leadShown(), r.lead) << r.name;
    }
    findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice")->SetDown(true);
    h.tick();
    EXPECT_EQ(LastRequest(*h.meter, 225)[1], 4);  // "4" selected by wires 9
    h.modules.Stored(223)[1] = 0;
    read();
    findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice")->SetDown(true);
    h.tick();
    EXPECT_EQ(LastRequest(*h.meter, 225)[1], 1);
}

// The three resistances in "###0.0" after a poll that reported a Pt1000 (0.25 and 2000.75 are
// exact halves: away from zero), else in "##0.00"; the scale labels in the block's own
// decimals whatever the poll's are.
TEST_P(QvtmpLocale, LabelsFollowTheSensorAndTheBlocksDecimals)
{
    const Separator& sep = GetParam();
    LocaleScope locale(sep.locale);
    struct Row {
        bool pt1000;
        std::uint8_t pollDecimals;
        const char *lead, *pot0, *pot100;
    };
    for (const Row& r :
         {Row{true, 0, "0.3", "100.5", "2000.8"}, Row{false, 4, "0.25", "100.50", "2000.75"},
          Row{true, 2, "0.3", "100.5", "2000.8"}}) {
        h.meter->status.bPt1000 = r.pt1000;
        h.pollDecimals(r.pollDecimals);
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_bPt1000")->text(),
                  r.pt1000 ? "Pt 1000" : "Pt 100");
        read();
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_QVTMP_R2W")->text().toStdString(),
                  WithSeparator(r.lead, sep.sep));
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_QVTMP_CalPot0")->text().toStdString(),
                  WithSeparator(r.pot0, sep.sep));
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_QVTMP_CalPot100")->text().toStdString(),
                  WithSeparator(r.pot100, sep.sep));
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text().toStdString(),
                  WithSeparator("01.500", sep.sep));
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleHighSettings")->text().toStdString(),
                  WithSeparator("-00.250", sep.sep));
        h.tick();  // the next poll changes neither
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text().toStdString(),
                  WithSeparator("01.500", sep.sep));
    }
    // With decimals 1, a scale low of 1234 is 0123.4.
    h.modules.Stored(223)[15] = 1;
    h.modules.Stored(223)[16] = 0xD2;
    h.modules.Stored(223)[17] = 0x04;
    read();
    EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text().toStdString(),
              WithSeparator("0123.4", sep.sep));
}

INSTANTIATE_TEST_SUITE_P(Qvtmp, QvtmpLocale, ::testing::Values(kComma, kPoint),
                         [](const auto& info) { return std::string(info.param.name); });

// The kept block goes back as it came: a write right after a read returns it unchanged, a
// write after a factory-default read sends the default singles, a write before any reply
// sends zeros for the singles and the scale.
TEST(QvtmpDialog, AWriteSendsTheKeptBlockWithTheSelections)
{
    struct Row {
        const char* name;
        std::uint8_t before;  // the read before the write; 0: none
        Bytes sent;
    };
    const Row rows[] = {
        {"after a read", 223, ModuleStore::kQvtmp},
        {"after a factory-default read", 224, ModuleStore::kQvtmpDefaults},
        {"before any reply", 0, {0, 4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0,
                                 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    };
    for (const Row& r : rows) {
        DialogHarness fresh;
        QvtmpDialog* q = fresh.qvtmp;
        EXPECT_TRUE(fresh.whileOpen(fresh.button("Button_QV3320_QVTMP"), q, [&] {
            if (r.before == 224)
                findcontrol::Find<qs::SpeedButton>(q, "SpeedButton_ReadDefault")->click();
            if (r.before != 0)
                fresh.tick();
            findcontrol::Find<qs::SpeedButton>(q, "SpeedButton_WriteToDevice")
                ->click();  // before any reply: the opener's read withdrawn
            fresh.tick();
            EXPECT_TRUE(
                findcontrol::Find<qs::SpeedButton>(q, "SpeedButton_ReadFromDevice")->IsDown())
                << r.name;
        })) << r.name;
        EXPECT_EQ(LastRequest(*fresh.meter, 225), r.sent) << r.name;
        EXPECT_EQ(fresh.modules.Stored(223), r.sent) << r.name;
    }
}

// "Tizedesjegyek" changes what the next write sends, and nothing else: the labels and the
// editor's comma keep the kept block's decimals until the read-back after the write.
TEST_F(QvtmpFixture, DecimalsReformatOnlyAfterTheReadBack)
{
    h.pollDecimals(2);
    EXPECT_TRUE(open([&] {
        h.tick();
        findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uDecimalPointSettings")->item(0)->click();
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text(), "01.500");
        EXPECT_TRUE(
            h.withEditor(findcontrol::Find<QPushButton>(d, "Button_ScaleLowSettings"), false, [&] {
                EXPECT_TRUE(findcontrol::Find(h.editor, "Label_uDecimal3")->isVisibleTo(h.editor));
                EXPECT_EQ(h.editor->IncDecDecimals, 3);
            }));
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice")->click();
        h.tick();
        EXPECT_EQ(LastRequest(*h.meter, 225)[15], 0);
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text(), "01.500");
        h.tick();
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text(), "01500");
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleHighSettings")->text(), "-00250");
    }));
}

// Targets 8 and 9: the titles, the kept values and decimals; OK changes the kept block and
// its label, and the write sends the new value; Esc changes nothing.
TEST_F(QvtmpFixture, TheEditorChangesTheKeptScaleValues)
{
    EXPECT_TRUE(open([&] {
        h.tick();
        EXPECT_TRUE(
            h.withEditor(findcontrol::Find<QPushButton>(d, "Button_ScaleLowSettings"), true, [&] {
                EXPECT_EQ(findcontrol::Find<QLabel>(h.editor, "Label_Caption")->text(),
                          "A 0%-hoz tartozó kijelzési érték");
                EXPECT_EQ(h.editor->IncDecTarget, 8u);
                EXPECT_EQ(h.editor->IncDecValue, 1500);
                findcontrol::Find<QPushButton>(h.editor, "Button_PlusDigit2")->click();
            }));
        EXPECT_EQ(h.state().LastQVTMPBlock.iScaleLow, 2500);
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text(), "02.500");
        EXPECT_TRUE(
            h.withEditor(findcontrol::Find<QPushButton>(d, "Button_ScaleHighSettings"), false, [&] {
                EXPECT_EQ(findcontrol::Find<QLabel>(h.editor, "Label_Caption")->text(),
                          "A 100%-hoz tartozó kijelzési érték");
                EXPECT_EQ(h.editor->IncDecTarget, 9u);
                EXPECT_EQ(h.editor->IncDecValue, -250);
                findcontrol::Find<QPushButton>(h.editor, "Button_NullAll")->click();
            }));
        EXPECT_EQ(h.state().LastQVTMPBlock.iScaleHigh, -250);
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleHighSettings")->text(), "-00.250");
        findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_WriteToDevice")->click();
        h.tick();
    }));
    const Bytes sent = LastRequest(*h.meter, 225);
    EXPECT_EQ(Bytes(sent.begin() + 16, sent.begin() + 24),
              (Bytes{0xC4, 0x09, 0, 0, 0x06, 0xFF, 0xFF, 0xFF}));
}

// A block whose decimals lie above 4: the scale labels show "xxxxx" and nothing is divided,
// the editor shows no comma, and the rest of the reply step completes (items selected, the
// link idle, the polls going on).
TEST_F(QvtmpFixture, DecimalsAbove4HaveNoPicture)
{
    EXPECT_TRUE(open([&] {
        h.tick();
        EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text(), "01.500");
        for (std::uint8_t decimals : {5, 255}) {
            Bytes b = ModuleStore::kQvtmp;
            b[15] = decimals;
            b[24] = 50;
            h.modules.Stored(223) = b;
            read();
            EXPECT_FALSE(
                findcontrol::Find<qs::SpeedButton>(d, "SpeedButton_ReadFromDevice")->IsDown());
            EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleLowSettings")->text(), "xxxxx");
            EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleHighSettings")->text(), "xxxxx");
            EXPECT_EQ(findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uDecimalPointSettings")
                          ->ItemIndex(),
                      4);
            EXPECT_EQ(
                findcontrol::Find<qs::RadioGroup>(d, "RadioGroup_uRoundSettings")->ItemIndex(), 5);
            EXPECT_EQ(h.state().LastQVTMPBlock.uDecimals, decimals);
            EXPECT_TRUE(h.withEditor(
                findcontrol::Find<QPushButton>(d, "Button_ScaleHighSettings"), true, [&] {
                    for (int d = 0; d < NumberEditor::kDigits; ++d)
                        EXPECT_FALSE(
                            findcontrol::Find(h.editor, "Label_uDecimal" + QString::number(d))
                                ->isVisibleTo(h.editor));
                    findcontrol::Find<QPushButton>(h.editor, "Button_MinusDigit5")->click();
                }));
            EXPECT_EQ(h.state().LastQVTMPBlock.iScaleHigh, -251);
            EXPECT_EQ(findcontrol::Find<QLabel>(d, "Label_iScaleHighSettings")->text(), "xxxxx");
            h.meter->clearLog();
            h.tick();
            EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{101}));
        }
    }));
}
