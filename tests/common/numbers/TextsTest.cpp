#include "common/numbers/DecimalKey.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/StatusTexts.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

using namespace qs;

TEST(MemoryOkBitsText, NamesInBitOrder)
{
    EXPECT_EQ(MemoryOkBitsText(15), "RAM1, RAM2, FRAM1, FRAM2, ");
    EXPECT_EQ(MemoryOkBitsText(5), "RAM1, FRAM1, ");
    EXPECT_EQ(MemoryOkBitsText(8), "FRAM2, ");
    EXPECT_EQ(MemoryOkBitsText(16), "");
    EXPECT_EQ(MemoryOkBitsText(0xF0), "");
    EXPECT_EQ(MemoryOkBitsText(0xFF), "RAM1, RAM2, FRAM1, FRAM2, ");
    EXPECT_EQ(MemoryOkBitsText(0), "Mindegyik hibás!");
}

TEST(SecondsToText, UnitsOnlyWhenReached)
{
    EXPECT_EQ(SecondsToText(0), "0 mp");
    EXPECT_EQ(SecondsToText(59), "59 mp");
    EXPECT_EQ(SecondsToText(60), "1 perc, 0 mp");
    EXPECT_EQ(SecondsToText(3600), "1 óra, 0 mp");
    EXPECT_EQ(SecondsToText(90061), "1 nap, 1 óra, 1 perc, 1 mp");
    EXPECT_EQ(SecondsToText(86460), "1 nap, 1 perc, 0 mp");
    EXPECT_EQ(SecondsToText(86400), "1 nap, 0 mp");
    EXPECT_EQ(SecondsToText(4294967295u), "49710 nap, 6 óra, 28 perc, 15 mp");
}

TEST(DecimalKeyText, CommaAndPointBecomeTheSeparator)
{
    EXPECT_EQ(DecimalKeyText(",", ","), ",");
    EXPECT_EQ(DecimalKeyText(".", ","), ",");
    EXPECT_EQ(DecimalKeyText(",", "."), ".");
    EXPECT_EQ(DecimalKeyText(".", "."), ".");
    EXPECT_EQ(DecimalKeyText("5", ","), "5");
    EXPECT_EQ(DecimalKeyText("-", ","), "-");
    EXPECT_EQ(DecimalKeyText("", ","), "");
    EXPECT_EQ(DecimalKeyText(",,", "."), ",,");
}

TEST(DateSeparator, FirstCharacterThatIsNoLetterOrDigit)
{
    EXPECT_EQ(DateSeparatorOf("yyyy. MM. dd."), ".");
    EXPECT_EQ(DateSeparatorOf("M/d/yy"), "/");
    EXPECT_EQ(DateSeparatorOf("yyyy-MM-dd"), "-");
    EXPECT_EQ(DateSeparatorOf("ddMMyyyy"), "/");
    EXPECT_EQ(DateSeparatorOf(""), "/");
    EXPECT_EQ(DateSeparatorOf(QString::fromUtf8("ééMM:yy")), ":");
}

class LocaleSeparators : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(LocaleSeparators, FollowTheDefaultLocale)
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(LocaleDecimalSeparator(), ",");
    EXPECT_EQ(LocaleDateSeparator(), ".");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(LocaleDecimalSeparator(), ".");
    EXPECT_EQ(LocaleDateSeparator(), "/");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LocaleDecimalSeparator(), ",");
    EXPECT_EQ(LocaleDateSeparator(), ".");
}

TEST(LocaleDateTimeStamp, ShortDateThreeBlanksAndTheTimeWithoutAZone)
{
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::UTC);
    struct Row {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* stamp;
    };
    const Row rows[] = {
        {QLocale::Hungarian, QLocale::Hungary, "2024. 03. 05.   14:07:09"},
        {QLocale::English, QLocale::UnitedStates, "3/5/24   2:07:09 PM"},
        {QLocale::German, QLocale::Germany, "05.03.24   14:07:09"},
    };
    const QLocale saved;
    for (const Row& row : rows) {
        QLocale::setDefault(QLocale(row.language, row.territory));
        EXPECT_EQ(LocaleDateTimeStamp(when).toStdString(), row.stamp)
            << QLocale().name().toStdString();
    }
    QLocale::setDefault(saved);
}
