// A record bound to controls by name: kinds, exception names, missing controls, fields that
// the caller keeps, and the entry rules applied on the way.
#include "common/ui/RadioGroup.h"
#include "common/ui/RecordBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include <gtest/gtest.h>

using namespace qs;

namespace {
struct Sample {
    std::uint8_t level = 0;
    int mode = -1;
    int address = -1;
    bool on = false;
    std::int32_t limit = 0;
    std::uint32_t seconds = 0;
    std::int32_t kept = 0;  // a value the window keeps itself

    template <class Self, class Visitor>
    static void VisitFields(Self& r, Visitor&& v)
    {
        v("Level", r.level, field::Byte{});
        v("Mode", r.mode, field::Radio{3});
        v("Address", r.address, field::List{4});
        v("On", r.on, field::Check{});
        v("Limit", r.limit, field::Scaled{});
        v("Seconds", r.seconds, field::Clamped{2, 2, 600});
        v("Kept", r.kept, field::Integer{});
    }
};

struct Controls {
    QWidget root;
    QSlider* level = new QSlider(&root);
    RadioGroup* mode = new RadioGroup("Mode", {"a", "b", "c"}, &root);
    QComboBox* address = new QComboBox(&root);
    QCheckBox* on = new QCheckBox(&root);
    QLineEdit* limit = new QLineEdit(&root);
    QLineEdit* seconds = new QLineEdit(&root);
    DecimalFormat format;

    Controls()
    {
        level->setObjectName("TrackBar_Brightness");  // named by the exception map
        level->setRange(1, 10);
        mode->setObjectName("RadioGroup_Mode");
        address->setObjectName("ComboBox_Address");
        address->addItems({"0", "1", "2", "3"});
        on->setObjectName("CheckBox_On");
        limit->setObjectName("Edit_Limit");
        seconds->setObjectName("Edit_Seconds");
        format.SetDecimalFormat(1);
    }
    recordbind::Binding<Sample> Bind()
    {
        return {[this](const QString& name) { return root.findChild<QWidget*>(name); },
                format,
                {{"Level", "TrackBar_Brightness"}}};
    }
};
}  // namespace

TEST(RecordBinder, ShowsAndTakesEveryBoundField)
{
    Controls c;
    auto binding = c.Bind();
    EXPECT_TRUE(binding.Missing().empty());

    binding.Show({200, 7, 9, true, -125, 70000, 42});
    EXPECT_EQ(c.level->value(), 10);           // held within the track bar's range
    EXPECT_EQ(c.mode->ItemIndex(), 2);         // past the last: the last
    EXPECT_EQ(c.address->currentIndex(), -1);  // past the list: none
    EXPECT_TRUE(c.on->isChecked());
    EXPECT_EQ(c.limit->text(), "-0012.5");
    EXPECT_EQ(c.seconds->text(), "70000");

    c.limit->setText("3.25");
    const Sample taken = binding.Take(Sample{.kept = 5});
    EXPECT_EQ(taken.level, 10);
    EXPECT_EQ(taken.mode, 2);
    EXPECT_EQ(taken.address, -1);
    EXPECT_EQ(taken.limit, 32);  // 32.5 to the even 32
    EXPECT_EQ(taken.seconds, 600u);
    EXPECT_EQ(taken.kept, 5);  // left to the caller
    EXPECT_EQ(c.limit->text(), "0003.2");
    EXPECT_EQ(c.seconds->text(), "600");
}

TEST(RecordBinder, ReportsControlsThatAreMissingOrOfTheWrongClass)
{
    Controls c;
    delete c.on;
    c.seconds->setObjectName("CheckBox_On");  // an edit where a check box belongs
    auto binding = c.Bind();
    EXPECT_EQ(binding.Missing(), (std::vector<QString>{"CheckBox_On", "Edit_Seconds"}));
    binding.Show({3, 0, 1, true, 0, 9, 0});  // the bound ones still work
    EXPECT_EQ(c.address->currentIndex(), 1);
}

TEST(RecordBinder, ASubsetTakesAndShowsOnlyItsFields)
{
    Controls c;
    auto binding = c.Bind();
    // The fields in bytes 1..3 of the record: mode and address.
    auto middle = [](auto& record, auto&& visitor) {
        field::VisitFieldRange(record, 1, 3, visitor);
    };
    binding.ShowSubset(Sample{4, 1, 2, true, 50, 9, 0}, middle);
    EXPECT_EQ(c.mode->ItemIndex(), 1);
    EXPECT_EQ(c.address->currentIndex(), 2);
    EXPECT_EQ(c.level->value(), 1);  // untouched
    EXPECT_FALSE(c.on->isChecked());

    c.seconds->setText("1");
    const Sample taken = binding.TakeSubset(Sample{.level = 9}, middle);
    EXPECT_EQ(taken.mode, 1);
    EXPECT_EQ(taken.address, 2);
    EXPECT_EQ(taken.level, 9);
    EXPECT_EQ(c.seconds->text(), "1");  // not part of the subset: not rewritten
}
