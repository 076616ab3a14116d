#include "common/ui/EntriesLabel.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

using namespace qs;

namespace {
QFont Face()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    return f;
}
}  // namespace

// What shows of " 131 123 217" within a width: all of it while it fits; else an ellipsis and
// as many of the newest entries as fit behind it, whole; the newest alone where not even that
// fits. A text of one entry never takes an ellipsis.
TEST(EntriesLabel, ShowsTheNewestEntriesWhole)
{
    const QFontMetrics m(Face());
    const QString all = QStringLiteral(" 131 123 217");
    const QString two = QStringLiteral("… 123 217");
    const QString one = QStringLiteral("… 217");
    struct Case {
        QString text;
        int width;
        QString shown;
    };
    const Case cases[] = {
        {all, m.horizontalAdvance(all), all},
        {all, m.horizontalAdvance(all) - 1, two},
        {all, m.horizontalAdvance(two), two},
        {all, m.horizontalAdvance(two) - 1, one},
        {all, 1, one},
        {QStringLiteral(" 217"), 1, QStringLiteral(" 217")},
        {QString(), 0, QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EntriesLabel::ShownPart(c.text, m, c.width).toStdString(), c.shown.toStdString())
            << c.text.toStdString() << " in " << c.width;
}

// The label keeps the whole list as its text, paints what shows of it as a label of that
// text would, and asks for no width of its own.
TEST(EntriesLabel, PaintsWhatShowsAndKeepsTheWholeText)
{
    EntriesLabel entries;
    QLabel plain;
    for (QLabel* l : {static_cast<QLabel*>(&entries), &plain}) {
        l->setFont(Face());
        l->resize(60, 16);
    }
    QString all;
    for (int code = 201; code <= 215; ++code)
        all += QStringLiteral(" %1").arg(code);
    entries.setText(all);
    EXPECT_EQ(entries.text(), all);
    const QString shown = entries.ShownText();
    ASSERT_TRUE(shown.startsWith(QStringLiteral("…")) && shown.endsWith(QStringLiteral(" 215")));
    plain.setText(shown);
    EXPECT_EQ(entries.grab().toImage(), plain.grab().toImage());
    EXPECT_EQ(entries.minimumSizeHint().width(), 0);
}
