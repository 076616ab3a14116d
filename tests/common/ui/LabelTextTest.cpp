#include "common/ui/LabelText.h"
#include "common/ui/MemoText.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

using namespace qs;

namespace {
// Sets the label through labeltext; answers whether the text was made.
struct Setter {
    QLabel label;
    int made = 0;
    template <class... Sources>
    bool Set(const QString& text, const Sources&... sources)
    {
        const int before = made;
        labeltext::Set(
            &label,
            [&] {
                ++made;
                return text;
            },
            sources...);
        return made != before;
    }
};
}  // namespace

TEST(LabelText, ATextIsMadeOnlyWhenItsSourcesOrTheLabelChange)
{
    Setter s;
    EXPECT_TRUE(s.Set("12,5", 12.5f, std::string(",")));
    EXPECT_FALSE(s.Set("12,5", 12.5f, std::string(",")));
    EXPECT_EQ(s.label.text(), "12,5");
    // Any source: the value, the separator (same length, other content), another count.
    EXPECT_TRUE(s.Set("12.5", 12.5f, std::string(".")));
    EXPECT_TRUE(s.Set("13.5", 13.5f, std::string(".")));
    EXPECT_TRUE(s.Set("13.5", 13.5f));
    EXPECT_FALSE(s.Set("13.5", 13.5f));
    // Set elsewhere ("?" after a time-out): the same sources bring the text back.
    s.label.setText("?");
    EXPECT_TRUE(s.Set("13.5", 13.5f));
    EXPECT_EQ(s.label.text(), "13.5");
}

TEST(LabelText, SourcesTooLongToKeepMakeTheTextEveryTime)
{
    Setter s;
    // A string source takes its length (8 bytes) and its characters; the key holds 64 bytes.
    const std::string fits(56, 'x');
    EXPECT_TRUE(s.Set("a", fits));
    EXPECT_FALSE(s.Set("a", fits));
    const std::string tooLong(57, 'x');
    EXPECT_TRUE(s.Set("b", tooLong));
    EXPECT_TRUE(s.Set("b", tooLong));
}

TEST(MemoText, ATextFromASourceIsMadeOnlyWhenLookedAt)
{
    QWidget page;
    auto* memo = new MemoText(&page);
    int made = 0;
    QString source = "01 02";
    memo->SetTextFrom([&] {
        ++made;
        return source;
    });
    memo->SetTextFrom([&] {
        ++made;
        return source;
    });
    EXPECT_EQ(made, 0) << "hidden: nothing made";
    EXPECT_EQ(memo->Text(), "01 02");
    EXPECT_EQ(made, 1);
    source = "03 04";
    memo->SetTextFrom([&] {
        ++made;
        return source;
    });
    page.show();
    EXPECT_EQ(memo->toPlainText(), "03 04");
    EXPECT_EQ(made, 2);
    // In view: made at once, every time.
    source = "05";
    memo->SetTextFrom([&] {
        ++made;
        return source;
    });
    EXPECT_EQ(memo->toPlainText(), "05");
    EXPECT_EQ(made, 3);
    // A text set after a source replaces it.
    page.hide();
    memo->SetTextFrom([&] {
        ++made;
        return source;
    });
    memo->Clear();
    page.show();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(made, 3);
}

TEST(MemoText, AKeyedSourceIsMadeOnlyForANewKeyOrAfterAnotherText)
{
    QWidget page;
    auto* memo = new MemoText(&page);
    page.show();
    int made = 0;
    const auto make = [&] {
        ++made;
        return QStringLiteral("01 02");
    };
    memo->SetTextFrom(make, labeltext::KeyOf(1));
    memo->SetTextFrom(make, labeltext::KeyOf(1));
    EXPECT_EQ(made, 1);
    memo->SetTextFrom(make, labeltext::KeyOf(2));
    EXPECT_EQ(made, 2);
    // Emptied after a lost reply: the same key shows its text again.
    memo->Clear();
    memo->SetTextFrom(make, labeltext::KeyOf(2));
    EXPECT_EQ(made, 3);
    EXPECT_EQ(memo->toPlainText(), "01 02");
}

TEST(LabelText, AKeptLabelsNewTextLaysOutNothingAndItFillsItsCell)
{
    QWidget group;
    auto* grid = new QGridLayout(&group);
    auto* counter = new QLabel("?", &group);
    counter->setObjectName("Counter");
    auto* other = new QLabel("Valid version", &group);  // the same column, a free label
    grid->addWidget(counter, 0, 0);
    grid->addWidget(other, 1, 0);
    labeltext::KeepSize(counter, "888");
    group.resize(300, 80);
    group.show();
    QCoreApplication::processEvents();

    struct Count : QObject {
        int layouts = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            layouts += e->type() == QEvent::LayoutRequest;
            return false;
        }
    } count;
    group.installEventFilter(&count);
    for (int i = 0; i < 20; ++i) {
        counter->setText(QString::number(i * 37 % 256));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(count.layouts, 0);
    other->setText("Valid version 2");  // a free label does lay out its page
    QCoreApplication::processEvents();
    EXPECT_GE(count.layouts, 1);

    EXPECT_EQ(group.findChild<QLabel*>("Counter"), counter);
    EXPECT_EQ(counter->width(), other->width()) << "the whole cell, as a free label has it";
    EXPECT_EQ(counter->mapTo(&group, QPoint()).x(), other->mapTo(&group, QPoint()).x());
}

TEST(LabelText, AKeptLabelLooksLikeAFreeOne)
{
    // Painted from a text laid out once: pixel for pixel what the label itself paints, for
    // each alignment the monitors could give it.
    for (const Qt::Alignment align :
         {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
          Qt::AlignHCenter | Qt::AlignTop, Qt::AlignLeft | Qt::AlignBottom}) {
        QWidget kept, free;
        for (QWidget* w : {&kept, &free}) {
            auto* grid = new QGridLayout(w);
            auto* label = new QLabel("?", w);
            label->setObjectName("Counter");
            label->setAlignment(align);
            grid->addWidget(label, 0, 0);
            w->resize(120, 40);
        }
        labeltext::KeepSize(kept.findChild<QLabel*>("Counter"), "888");
        kept.show();
        free.show();
        for (const char* text : {"?", "5", "123", "255"}) {
            kept.findChild<QLabel*>("Counter")->setText(text);
            free.findChild<QLabel*>("Counter")->setText(text);
            QCoreApplication::processEvents();
            EXPECT_EQ(kept.grab().toImage(), free.grab().toImage())
                << text << " aligned " << int(align);
        }
    }
}
