// The number editor through the module dialogs' value buttons: digits, clamps, comma, OK and
// Esc, and the seven targets of the analogue and relay dialogs.
#include "DialogHarness.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <tuple>

using namespace qs;
using namespace korvel;

namespace {

// The digit labels as one text: "-0001".
std::string Digits(const NumberEditor* e)
{
    std::string s;
    for (int k = 1; k <= NumberEditor::kDigits; ++k)
        s += findcontrol::Find<QLabel>(e, "Label_Digit" + QString::number(k))->text().toStdString();
    return s;
}

// The number of the one comma label shown (-1: none).
int CommaShown(const NumberEditor* e)
{
    int shown = -1;
    for (int d = 0; d < NumberEditor::kDigits; ++d)
        if (findcontrol::Find(e, "Label_uDecimal" + QString::number(d))->isVisible())
            shown = shown == -1 ? d : 99;
    return shown;
}

// "+5": the "+" over the units; "-1": the "-" under the ten-thousands; "0": zero the number.
void Press(NumberEditor* e, std::string_view key)
{
    if (key == "0") {
        findcontrol::Find<QPushButton>(e, "Button_NullAll")->click();
        return;
    }
    const QString column{QLatin1Char(key[1])};
    findcontrol::Find<QPushButton>(
        e, (key[0] == '+' ? "Button_PlusDigit" : "Button_MinusDigit") + column)
        ->click();
}

struct EditorCase {
    const char* name;
    std::int32_t stored;    // the dialog's value when the editor opens
    std::uint8_t decimals;  // of the last status poll
    const char* opened;     // digits at opening
    const char* keys;       // "-5 +3": the keys pressed, in order
    const char* shown;      // digits after the keys
    int comma;              // the comma label shown, -1 none
    bool ok;                // OK, else Esc
    std::int32_t result;    // the dialog's value afterwards
    const char* label;      // its label afterwards, "." standing for the decimal separator
};

void PrintTo(const EditorCase& c, std::ostream* os)
{
    *os << c.name;
}

class EditorCases : public ::testing::TestWithParam<std::tuple<EditorCase, Separator>> {};

}  // namespace

TEST_P(EditorCases, DigitsClampsCommaAndWriteBack)
{
    const auto& [c, separator] = GetParam();
    LocaleScope locale(separator.locale);
    DialogHarness h;
    h.pollDecimals(c.decimals);
    h.qvain->iScaleLowSettings = c.stored;
    EXPECT_TRUE(
        h.withEditor(findcontrol::Find<QPushButton>(h.qvain, "Button_ScaleLowSettings"), c.ok, [&] {
            EXPECT_EQ(Digits(h.editor), c.opened);
            EXPECT_EQ(h.editor->IncDecValue, c.stored);  // taken unclamped
            for (const QString& key : QString(c.keys).split(' ', Qt::SkipEmptyParts))
                Press(h.editor, key.toStdString());
            EXPECT_EQ(Digits(h.editor), c.shown);
            EXPECT_EQ(CommaShown(h.editor), c.comma);
        }));
    EXPECT_EQ(h.qvain->iScaleLowSettings, c.result);
    std::string label = c.label;
    std::replace(label.begin(), label.end(), '.', separator.sep);
    EXPECT_EQ(h.text("Label_iScaleLowSettings", h.qvain), label);
}

INSTANTIATE_TEST_SUITE_P(
    NumberEditor, EditorCases,
    ::testing::Combine(
        ::testing::Values(
            EditorCase{"ZeroMinusUnits", 0, 2, "00000", "-5", "-0001", 2, true, -1, "-000.01"},
            EditorCase{"TopClamp", 99990, 2, "99990", "+4", "99999", 2, true, 99999, "999.99"},
            EditorCase{"BottomStays", -9999, 2, "-9999", "-5", "-9999", 2, true, -9999, "-099.99"},
            EditorCase{"SignTakesTheFirstColumn", 5, 2, "00005", "-1", "-9995", 2, true, -9995,
                       "-099.95"},
            EditorCase{"NegativeUp", -5, 2, "-0005", "+1", "09995", 2, true, 9995, "099.95"},
            EditorCase{"StoredAboveTheRange", 123456, 2, "23456", "-5", "99999", 2, true, 99999,
                       "999.99"},
            EditorCase{"StoredBelowTheRangeStandsUntilADigitKey", -20000, 2, "-0000", "", "-0000",
                       2, true, -20000, "-200.00"},
            EditorCase{"NullAll", 123456, 2, "23456", "0", "00000", 2, true, 0, "000.00"},
            EditorCase{"EscWritesNothing", 1234, 2, "01234", "+5 +3", "01335", 2, false, 1234,
                       "xxxxx"},
            EditorCase{"Int32MaxClampsUpwards", INT32_MAX, 2, "83647", "+5", "99999", 2, true,
                       99999, "999.99"},
            EditorCase{"Int32MinClampsDownwards", INT32_MIN, 2, "-3648", "-5", "-9999", 2, true,
                       -9999, "-099.99"},
            EditorCase{"Int32MinShowsItsDigits", INT32_MIN, 0, "-3648", "", "-3648", 0, true,
                       INT32_MIN, "-2147483648"},
            EditorCase{"CommaAfterTheUnits", 1234, 0, "01234", "", "01234", 0, true, 1234, "01234"},
            EditorCase{"OneDecimal", 1234, 1, "01234", "", "01234", 1, true, 1234, "0123.4"},
            EditorCase{"ThreeDecimals", 1234, 3, "01234", "", "01234", 3, true, 1234, "01.234"},
            EditorCase{"FourDecimals", 1234, 4, "01234", "", "01234", 4, true, 1234, "0.1234"},
            // Five decimals have no comma, and the window's format stays as it was (0 decimals).
            EditorCase{"FiveDecimalsNoComma", 1234, 5, "01234", "-4", "01224", -1, true, 1224,
                       "01224"}),
        ::testing::Values(kComma, kPoint)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

// Each of the seven targets: the opener's title, limits and target; OK writes the value back
// and rewrites only that dialog's labels.
TEST(NumberEditor, EachTargetWritesBackAndRefreshesOnlyItsDialog)
{
    struct Row {
        std::uint32_t target;
        const char* title;
        int dialog;  // 0 QVAIN, 1 QVAO, 2 QVRO
        const char* field;
        const char* button;
    };
    const Row rows[] = {
        {1, "QVAIN skála alsó számérték beállítása", 0, "iScaleLowSettings",
         "Button_ScaleLowSettings"},
        {2, "QVAIN skála felső számérték beállítása", 0, "iScaleHighSettings",
         "Button_ScaleHighSettings"},
        {3, "QVAO skála alsó számérték beállítása", 1, "iScaleLowSettings",
         "Button_ScaleLowSettings"},
        {4, "QVAO skála felső számérték beállítása", 1, "iScaleHighSettings",
         "Button_ScaleHighSettings"},
        {5, "A érték vagy delta érték beállítása", 2, "iSettingsA", "Button_SettingsA"},
        {6, "B érték beállítása", 2, "iSettingsB", "Button_SettingsB"},
        {7, "Hiszterézis érték beállítása", 2, "iSettingsHysteresis", "Button_SettingsHysteresis"},
    };
    for (const Row& r : rows) {
        DialogHarness h;
        h.pollDecimals(1);
        h.w->move(40, 30);
        const std::array<ModuleDialog*, 3> dialogs = {h.qvain, h.qvao, h.qvro};
        ModuleDialog* d = dialogs[r.dialog];
        *d->ValueField(r.field) = 41;
        auto* opener = findcontrol::Find<QPushButton>(d, r.button);
        ASSERT_NE(opener, nullptr) << r.target;
        EXPECT_TRUE(h.withEditor(opener, true, [&] {
            EXPECT_EQ(h.editor->IncDecTarget, r.target);
            EXPECT_EQ(findcontrol::Find<QLabel>(h.editor, "Label_Caption")->text().toStdString(),
                      r.title);
            EXPECT_EQ(h.editor->IncDecMin, -9999);
            EXPECT_EQ(h.editor->IncDecMax, 99999);
            EXPECT_EQ(h.editor->pos(), QPoint(61, 385));
            findcontrol::Find<QPushButton>(h.editor, "Button_PlusDigit5")->click();
        })) << r.target;
        EXPECT_EQ(*d->ValueField(r.field), 42) << r.target;
        EXPECT_EQ(findcontrol::Find<QLabel>(d, QString("Label_") + r.field)->text(), "0004.2")
            << r.target;
        for (ModuleDialog* other : dialogs)
            for (QLabel* l : other->findChildren<QLabel*>(QRegularExpression("^Label_i")))
                EXPECT_TRUE(other == d || l->text() == "xxxxx")
                    << r.target << " " << l->objectName().toStdString();
    }
}

// The comma follows the decimals of the last status poll: not the window's format (which a
// QVAIN read has just switched) and not the dialog's "Tizedesjegyek".
TEST(NumberEditor, DecimalsComeFromTheLastStatusPoll)
{
    DialogHarness h;
    h.pollDecimals(3);
    h.modules.Stored(201)[2] = 1;
    findcontrol::Find<qs::SpeedButton>(h.qvain, "SpeedButton_ReadFromDevice")->SetDown(true);
    h.tick();
    ASSERT_EQ(h.state().Decimals.Decimals(), 1);
    findcontrol::Find<qs::RadioGroup>(h.qvain, "RadioGroup_uDecimalPointSettings")
        ->item(4)
        ->click();
    EXPECT_TRUE(h.withEditor(findcontrol::Find<QPushButton>(h.qvain, "Button_ScaleHighSettings"),
                             false, [&] { EXPECT_EQ(CommaShown(h.editor), 3); }));
}
