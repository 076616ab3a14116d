// The keyboard and wheel rules of both programs on plain controls: one-line edits, the wheel
// over track bars, lists and spin boxes, Enter on buttons.
#include "tests/WheelEvent.h"
#include "common/ui/InputRules.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

using namespace qs;

namespace {

// A window whose one control stands in a page too short for it (optional), the rules in
// place, the window active.
struct Page {
    QWidget window;
    QScrollArea* area = nullptr;
    QWidget* control = nullptr;
    QLineEdit* other = nullptr;  // somewhere else to put the focus

    Page(QWidget* c, bool scrolls) : control(c)
    {
        InstallInputRules();
        auto* layout = new QVBoxLayout(&window);
        other = new QLineEdit(&window);
        layout->addWidget(other);
        QWidget* holder = &window;
        if (scrolls) {
            area = new QScrollArea(&window);
            layout->addWidget(area);
            holder = new QWidget;
            holder->setMinimumHeight(2000);
            area->setWidget(holder);
        }
        c->setParent(holder);
        if (holder == &window)
            layout->addWidget(c);
        window.resize(300, 200);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
    }
    int scrolled() const { return area ? area->verticalScrollBar()->value() : 0; }
};

}  // namespace

TEST(InputRules, EachLineBreakBecomesOneBlank)
{
    const std::pair<const char*, const char*> rows[] = {
        {"1 2\r\n3 4", "1 2 3 4"},
        {"1 2\n3 4", "1 2 3 4"},
        {"1 2\r3 4", "1 2 3 4"},
        {"1\r\n\r\n2", "1  2"},
        {"1\n\r2", "1  2"},
        {"12\r\n", "12 "},
        {"\n", " "},
        {"", ""},
    };
    for (const auto& [text, line] : rows)
        EXPECT_EQ(LineBreaksAsBlanks(QString::fromLatin1(text)).toStdString(), line) << text;
}

// Pasted into the middle of a line edit: the edit shows blanks, the cursor stands after the
// pasted text, and no change ever reports a line break.
TEST(InputRules, ALineEditTakesPastedLinesAsOneLine)
{
    QLineEdit* edit = new QLineEdit("[]");
    Page page(edit, false);
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    QSignalSpy edited(edit, &QLineEdit::textEdited);
    edit->setFocus();
    edit->setCursorPosition(1);
    QGuiApplication::clipboard()->setText("1 2\r\n3\n4\r");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text().toStdString(), "[1 2 3 4 ]");
    EXPECT_EQ(edit->cursorPosition(), 9);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toString().toStdString(), "[1 2 3 4 ]");
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0][0].toString().toStdString(), "[1 2 3 4 ]");

    edit->setText("a\nb");  // by code too
    EXPECT_EQ(edit->text().toStdString(), "a b");
}

// Unfocused, a track bar, list or spin box keeps its value under the wheel, which scrolls
// the page holding it (or nothing); focused, it takes the wheel and the page stays. The
// wheel never gives them the focus.
TEST(InputRules, TheWheelChangesAValueOnlyWithTheFocusElseScrollsThePage)
{
    struct Kind {
        const char* name;
        std::function<QWidget*()> make;
        std::function<int(QWidget*)> value;
    };
    const Kind kinds[] = {
        {"track bar",
         [] {
             auto* s = new QSlider(Qt::Horizontal);
             s->setRange(0, 255);
             s->setValue(100);
             return s;
         },
         [](QWidget* w) { return static_cast<QSlider*>(w)->value(); }},
        {"drop-down list",
         [] {
             auto* c = new QComboBox;
             c->addItems({"a", "b", "c", "d"});
             c->setCurrentIndex(1);
             return c;
         },
         [](QWidget* w) { return static_cast<QComboBox*>(w)->currentIndex(); }},
        {"spin box",
         [] {
             auto* s = new QSpinBox;
             s->setValue(50);
             return s;
         },
         [](QWidget* w) { return static_cast<QSpinBox*>(w)->value(); }},
    };
    for (const Kind& kind : kinds) {
        for (const bool scrolls : {true, false}) {
            SCOPED_TRACE(std::string(kind.name) + (scrolls ? " in a page" : " in a window"));
            Page page(kind.make(), scrolls);
            const int before = kind.value(page.control);
            EXPECT_NE(page.control->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus);
            wheel::Down(page.control);
            EXPECT_EQ(kind.value(page.control), before);
            EXPECT_EQ(page.scrolled() > 0, scrolls);

            const int scrolled = page.scrolled();
            page.control->setFocus();
            ASSERT_TRUE(page.control->hasFocus());
            wheel::Down(page.control);
            EXPECT_NE(kind.value(page.control), before);
            EXPECT_EQ(page.scrolled(), scrolled);
        }
    }
}

// Return and the keypad's Enter press a focused push or speed button once, also in a dialog
// whose buttons would press themselves or its default button; a held key presses nothing more.
TEST(InputRules, EnterPressesAFocusedButtonOnce)
{
    InstallInputRules();
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* autoDefault = new QPushButton("auto default", &dialog);  // presses itself on Enter
    auto* plain = new QPushButton("plain", &dialog);
    plain->setAutoDefault(false);
    auto* speed = new QToolButton(&dialog);
    speed->setCheckable(true);
    auto* byDefault = new QPushButton("default", &dialog);
    byDefault->setDefault(true);
    for (QWidget* w : {static_cast<QWidget*>(autoDefault), static_cast<QWidget*>(plain),
                       static_cast<QWidget*>(speed), static_cast<QWidget*>(byDefault)})
        layout->addWidget(w);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QSignalSpy defaults(byDefault, &QPushButton::clicked);

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(autoDefault), static_cast<QAbstractButton*>(plain),
          static_cast<QAbstractButton*>(speed)}) {
        SCOPED_TRACE(button->metaObject()->className() + (" " + button->text().toStdString()));
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(clicks.count(), 1);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(clicks.count(), 2);
        QTest::keyEvent(QTest::Press, button, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QCoreApplication::sendEvent(button, &repeat);
        QTest::keyEvent(QTest::Release, button, Qt::Key_Return, Qt::NoModifier);
        EXPECT_EQ(clicks.count(), 3);
    }
    EXPECT_TRUE(speed->isChecked());  // three presses
    EXPECT_EQ(defaults.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}
