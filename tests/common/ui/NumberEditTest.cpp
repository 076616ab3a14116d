#include "common/numbers/ScaledNumber.h"
#include "common/ui/NumberEdit.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

using namespace qs;

class NumberEdit : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    static void Hungarian() { QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary)); }
    static void English() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_F(NumberEdit, TypedCommaOrPointBecomesTheLocaleSeparator)
{
    QLineEdit edit;
    DecimalKeyFilter::Install(&edit);
    edit.show();

    Hungarian();
    QTest::keyClicks(&edit, "12.5");
    EXPECT_EQ(edit.text(), "12,5");
    edit.clear();
    QTest::keyClicks(&edit, "-3,25");
    EXPECT_EQ(edit.text(), "-3,25");

    English();
    edit.clear();
    QTest::keyClicks(&edit, "12,5");
    EXPECT_EQ(edit.text(), "12.5");
    edit.clear();
    QTest::keyClicks(&edit, "7.75x");
    EXPECT_EQ(edit.text(), "7.75x");  // other keys pass unchanged
}

TEST_F(NumberEdit, EditWithoutTheFilterTakesKeysAsTyped)
{
    Hungarian();
    QLineEdit edit;
    edit.show();
    QTest::keyClicks(&edit, "1.5");
    EXPECT_EQ(edit.text(), "1.5");
}

TEST_F(NumberEdit, ScaledEditIsRewrittenWithTheValueSent)
{
    DecimalFormat format;
    format.SetDecimalFormat(2);
    QLineEdit edit;

    Hungarian();
    edit.setText("12,345");
    EXPECT_EQ(EditToScaledInt(&edit, format), 1235);
    EXPECT_EQ(edit.text(), "012,35");
    edit.setText("12.345");  // not this locale's separator: no number
    EXPECT_EQ(EditToScaledInt(&edit, format), 0);
    EXPECT_EQ(edit.text(), "000,00");

    English();
    edit.setText("-1");
    EXPECT_EQ(EditToScaledInt(&edit, format), -100);
    EXPECT_EQ(edit.text(), "-001.00");
    edit.setText("99999999");
    EXPECT_EQ(EditToScaledInt(&edit, format), 2147483647);
    EXPECT_EQ(edit.text(), "21474836.47");
}

TEST_F(NumberEdit, IntegerEditsAreRewritten)
{
    QLineEdit edit;
    edit.setText("-1");
    EXPECT_EQ(EditToIntClamped(&edit, 2, 255), 255u);
    EXPECT_EQ(edit.text(), "255");
    edit.setText("");
    EXPECT_EQ(EditToIntClamped(&edit, 2, 65535), 2u);
    EXPECT_EQ(edit.text(), "2");
    edit.setText("0012");
    EXPECT_EQ(EditToInt(&edit), 12);
    EXPECT_EQ(edit.text(), "12");
    edit.setText("x");
    EXPECT_EQ(EditToInt(&edit), 0);
    EXPECT_EQ(edit.text(), "0");
}
