#include "common/ui/RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace qs;

namespace {

QStringList Digits()
{
    return {"0", "1", "2", "3", "4"};
}

}  // namespace

TEST(RadioGroup, NoSelectionReadsMinusOne)
{
    RadioGroup group("Tizedesjegyek", Digits());
    EXPECT_EQ(group.title(), "Tizedesjegyek");
    EXPECT_EQ(group.count(), 5);
    EXPECT_EQ(group.ItemIndex(), -1);
}

TEST(RadioGroup, ItemsAreNamedAfterTheGroup)
{
    QWidget form;
    auto* group = new RadioGroup("Tizedesjegyek", Digits(), &form);
    group->setObjectName("RadioGroup_uDecimalPointSettings");
    EXPECT_EQ(form.findChild<RadioGroup*>("RadioGroup_uDecimalPointSettings"), group);
    auto* item = form.findChild<QRadioButton*>("RadioGroup_uDecimalPointSettings_Item3");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item, group->item(3));
    EXPECT_EQ(item->text(), "3");
}

TEST(RadioGroup, SelectionFromCodeRunsTheClickHandlerOnce)
{
    RadioGroup group("", Digits());
    QSignalSpy clicks(&group, &RadioGroup::itemClicked);
    group.setItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);

    // The handler already sees the new selection.
    int seen = -2;
    QObject::connect(&group, &RadioGroup::itemClicked, [&] { seen = group.ItemIndex(); });
    group.setItemIndex(0);
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(clicks.count(), 2);

    // The same item again: no change, no click.
    group.setItemIndex(0);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(RadioGroup, IndexPastTheLastSelectsTheLastBelowZeroSelectsNothing)
{
    RadioGroup group("", Digits());
    QSignalSpy clicks(&group, &RadioGroup::itemClicked);
    group.setItemIndex(250);
    EXPECT_EQ(group.ItemIndex(), 4);
    EXPECT_EQ(clicks.count(), 1);

    group.setItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    for (int i = 0; i < group.count(); ++i)
        EXPECT_FALSE(group.item(i)->isChecked());
    EXPECT_EQ(clicks.count(), 1);  // clearing is no click

    // Still exclusive after the clear.
    group.setItemIndex(1);
    group.setItemIndex(3);
    EXPECT_FALSE(group.item(1)->isChecked());
    EXPECT_EQ(group.ItemIndex(), 3);
}

TEST(RadioGroup, UserClickSelectsAndRunsTheHandler)
{
    RadioGroup group("", Digits());
    group.show();
    QSignalSpy clicks(&group, &RadioGroup::itemClicked);
    group.item(1)->click();
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);
    group.item(1)->click();  // already selected
    EXPECT_EQ(clicks.count(), 1);
    group.item(4)->click();
    EXPECT_EQ(group.ItemIndex(), 4);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(RadioGroup, NewItemsStartWithoutSelection)
{
    RadioGroup group("", Digits());
    group.setObjectName("G");
    group.setItemIndex(2);
    group.setItems({"Áram", "Feszültség"});
    EXPECT_EQ(group.count(), 2);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.item(1)->objectName(), "G_Item1");
    EXPECT_EQ(group.findChildren<QRadioButton*>().size(), 2);
    group.setItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), 1);
}

TEST(RadioGroup, EmptyGroupIgnoresIndexes)
{
    RadioGroup group("", {});
    group.setItemIndex(3);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.item(0), nullptr);
}
