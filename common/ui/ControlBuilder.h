#pragma once
#include "SpeedButton.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <initializer_list>
#include <string_view>
#include <utility>

namespace qs {

// The one way both programs build their controls: every control gets its objectName, so
// that binders and tests find it by the name the design gives it.
namespace build {

// A control of any kind made with its objectName: the constructor's arguments come first and
// the parent last, as Qt's controls take them (Named<QLabel>(page, "Label_PWM", "0")).
template <class T, class... Args>
T* Named(QWidget* parent, const char* name, Args&&... args)
{
    auto* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// UTF-8 text of the cores as a QString.
inline QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* Label(QWidget* parent, const char* name, const QString& text);
// A fixed caption with no name of its own.
QLabel* Caption(QWidget* parent, const QString& text);
QGroupBox* Group(QWidget* parent, const char* name, const QString& title);
QPushButton* Button(QWidget* parent, const char* name, const QString& caption);
QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption);
QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption);
// A control that comes and goes keeps its room while hidden, so showing or hiding it moves no
// other control.
void KeepRoomWhenHidden(QWidget* control);
// A request button: container is the widget whose buttons of the same group exclude each other.
SpeedButton* Speed(QWidget* container, const char* name, const QString& caption,
                   int groupIndex = 1);

// A read / factory-default / write trio of request buttons: one group in one container, laid
// out in a row (when a row is given; else placed by the caller). The default button's
// caption differs on the base-unit settings pages.
struct RequestTrio {
    SpeedButton* read;
    SpeedButton* defaults;
    SpeedButton* write;
};
inline const QString kDefaultsCaption = QStringLiteral("Gyári alapértékek megjelenítése");
RequestTrio MakeTrio(QWidget* container, QBoxLayout* row, const char* read, const char* defaults,
                     const char* write, const QString& defaultsCaption = kDefaultsCaption);

// Request buttons listed as a table of (member, name, caption): group index 1 in one
// container (so they exclude each other), placed in the grid from (row, column) on,
// `columns` to a row.
struct ButtonSpec {
    SpeedButton** target;
    const char* name;
    const char* caption;
};
void AddRequestButtons(QWidget* container, QGridLayout* grid, int row, int column, int columns,
                       std::initializer_list<ButtonSpec> buttons);

// "caption value" rows of a grid, listed as (member, name, caption, text at start), from
// `row` on in columns `column` and `column` + 1. Answers the next free row.
struct ValueSpec {
    QLabel** target;
    const char* name;
    const char* caption;  // the fixed label beside it
    const char* text;     // its text at start
};
int AddValueRows(QWidget* parent, QGridLayout* grid, int row, int column,
                 std::initializer_list<ValueSpec> values);

// The control of that name that belongs to the window itself: the dialogs, which the main
// window owns as children, are windows of their own and are not searched.
template <class T>
T* FindInWindow(QWidget* window, const QString& name)
{
    if (!window)
        return nullptr;
    for (T* child : window->findChildren<T*>(name))
        if (child->window() == window)
            return child;
    return nullptr;
}

}  // namespace build

}  // namespace qs
