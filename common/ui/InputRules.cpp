#include "InputRules.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QValidator>
#include <QWheelEvent>

#include <algorithm>

namespace qs {

QString LineBreaksAsBlanks(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

namespace {

// Keeps a line edit's text on one line. A line edit asks its validator about every change,
// by the user or by code, before it shows the text or tells anyone of it, and takes the text
// the validator hands back.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        if (input.contains(QLatin1Char('\r')) || input.contains(QLatin1Char('\n'))) {
            const qsizetype before = LineBreaksAsBlanks(input.left(pos)).size();
            input = LineBreaksAsBlanks(input);
            pos = static_cast<int>(std::min(before, input.size()));
        }
        return Acceptable;
    }
};

// Controls whose value the wheel changes only while they have the focus.
bool WheelNeedsFocus(const QObject* control)
{
    return qobject_cast<const QSlider*>(control) || qobject_cast<const QComboBox*>(control) ||
           qobject_cast<const QAbstractSpinBox*>(control);
}

class InputRules : public QObject {
public:
    explicit InputRules(QObject* parent) : QObject(parent) {}

    // Fits a control to the rules: called for each control as it is first laid out or shown.
    void Adopt(QWidget* control)
    {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            // Edits with a validator of their own (a spin box's) keep it.
            if (!edit->validator())
                edit->setValidator(&oneLine_);
        } else if (WheelNeedsFocus(control) && control->focusPolicy() == Qt::WheelFocus) {
            control->setFocusPolicy(Qt::StrongFocus);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
            if (watched->isWidgetType())
                Adopt(static_cast<QWidget*>(watched));
            return false;
        case QEvent::Wheel:
            return Wheel(watched, static_cast<QWheelEvent*>(event));
        case QEvent::KeyPress:
            return EnterOnButton(watched, static_cast<QKeyEvent*>(event));
        default:
            return false;
        }
    }

private:
    // A wheel turn over an unfocused track bar, list or spin box scrolls the nearest page
    // around it that can still scroll that way; the control never sees it.
    static bool Wheel(QObject* watched, QWheelEvent* wheel)
    {
        if (!WheelNeedsFocus(watched))
            return false;
        auto* control = static_cast<QWidget*>(watched);
        if (control->hasFocus())
            return false;
        for (QWidget* holder = control; !holder->isWindow();) {
            holder = holder->parentWidget();
            if (!holder)
                break;
            if (auto* area = qobject_cast<QAbstractScrollArea*>(holder)) {
                QWidget* viewport = area->viewport();
                QWheelEvent scroll(viewport->mapFromGlobal(wheel->globalPosition()),
                                   wheel->globalPosition(), wheel->pixelDelta(),
                                   wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                                   wheel->phase(), wheel->inverted(), Qt::MouseEventNotSynthesized,
                                   wheel->pointingDevice());
                QCoreApplication::sendEvent(viewport, &scroll);
                if (scroll.isAccepted())
                    break;
            }
        }
        wheel->accept();
        return true;
    }

    // Return or the keypad's Enter, with no modifier, on a focused push or speed button.
    static bool EnterOnButton(QObject* watched, QKeyEvent* key)
    {
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button ||
            !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) ||
            !button->hasFocus())
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }

    OneLineValidator oneLine_;
};

}  // namespace

void InstallInputRules()
{
    static QPointer<InputRules> installed;
    if (installed || !qApp)
        return;
    auto* rules = new InputRules(qApp);
    installed = rules;
    qApp->installEventFilter(rules);
    for (QWidget* control : QApplication::allWidgets())
        rules->Adopt(control);
}

}  // namespace qs
