#include "common/ui/MemoText.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace qs;

TEST(MemoText, AHiddenMemoShowsItsNewestTextWhenItAppears)
{
    QWidget page;
    auto* memo = new MemoText(&page);
    memo->SetText("01 02");
    EXPECT_EQ(memo->Text(), "01 02");
    EXPECT_TRUE(memo->toPlainText().isEmpty()) << "nothing is laid out while hidden";

    memo->SetText("03 04");
    page.show();
    EXPECT_EQ(memo->toPlainText(), "03 04");

    // Visible: every change shows at once; clearing empties it.
    memo->SetText("05");
    EXPECT_EQ(memo->toPlainText(), "05");
    memo->Clear();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_TRUE(memo->Text().isEmpty());

    // Hidden again, then back to the text it showed last: it is shown correctly.
    page.hide();
    memo->SetText("06");
    memo->SetText("");
    page.show();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_TRUE(memo->isReadOnly());
}
