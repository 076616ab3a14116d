// The settings groups both programs show: a typed "," or "." turns into the locale's decimal
// separator in the number edits where the look asks for it, and never in the text edits.
#include "common/ui/SettingsGroups.h"
#include "tests/FindControl.h"
#include "tests/LocaleScope.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace qs;

TEST(SettingsGroups, DecimalKeysOnlyInNumberEditsAndOnlyWhereTheLookAsks)
{
    struct Row {
        bool decimalKeys;
        QLocale locale;
        const char* edit;
        const char* typed;
        const char* shown;
    };
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const Row rows[] = {
        {true, HungarianLocale(), "Edit_iAnalogueLow", "1.5", "1,5"},
        {true, english, "Edit_iAnalogueHigh", "1,5", "1.5"},
        {true, HungarianLocale(), "Edit_iBgLow", "2.5", "2,5"},
        {true, english, "Edit_iBgHigh", "2,5", "2.5"},
        {true, english, "Edit_DisplayTagname", "A,b.c", "A,b.c"},
        {true, HungarianLocale(), "Edit_DisplayDimension", "m.s", "m.s"},
        {false, HungarianLocale(), "Edit_iAnalogueLow", "1.5", "1.5"},
        {false, english, "Edit_iBgHigh", "2,5", "2,5"},
    };
    for (const Row& row : rows) {
        LocaleScope locale(row.locale);
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        GroupRowsLook look;
        look.decimalKeys = row.decimalKeys;
        layout->addWidget(new AnalogOutputGroup(&page, look));
        layout->addWidget(new DisplayGroup(&page, {look,
                                                   "TrackBar_Brightness",
                                                   1,
                                                   10,
                                                   5,
                                                   1,
                                                   0,
                                                   false,
                                                   {},
                                                   {},
                                                   QStringLiteral("Frissítés"),
                                                   QStringLiteral("Tizedesjegyek"),
                                                   QStringLiteral("Kerekítés"),
                                                   &look}));
        page.show();
        auto* edit = findcontrol::Find<QLineEdit>(&page, row.edit);
        ASSERT_NE(edit, nullptr) << row.edit;
        edit->clear();
        QTest::keyClicks(edit, row.typed);
        EXPECT_EQ(edit->text(), row.shown) << row.edit << " " << row.locale.name().toStdString();
    }
}
