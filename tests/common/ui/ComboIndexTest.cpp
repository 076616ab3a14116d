#include "common/ui/ComboIndex.h"

#include <QComboBox>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace qs;

TEST(ComboIndex, IndexOutsideTheItemsLeavesNothingSelected)
{
    QComboBox combo;
    for (int i = 0; i < 248; ++i)
        combo.addItem(QString::number(i));
    QSignalSpy activated(&combo, &QComboBox::activated);

    SetComboIndex(&combo, 247);
    EXPECT_EQ(combo.currentIndex(), 247);
    EXPECT_EQ(combo.currentText(), "247");
    SetComboIndex(&combo, 248);
    EXPECT_EQ(combo.currentIndex(), -1);
    SetComboIndex(&combo, 5);
    SetComboIndex(&combo, -3);
    EXPECT_EQ(combo.currentIndex(), -1);
    SetComboIndex(&combo, 0);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(activated.count(), 0);  // no user handler runs for changes from code
}

TEST(ComboIndex, IndexByteOfNoSelectionIsFF)
{
    EXPECT_EQ(IndexByte(-1), 0xFF);
    EXPECT_EQ(IndexByte(0), 0);
    EXPECT_EQ(IndexByte(247), 247);
}
