#pragma once
#include "ui/SpeedButton.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <string_view>

// Small builders for the windows: every control gets its objectName.
namespace uibuild {

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
SpeedButton* Speed(QWidget* container, const char* name, const QString& caption, int groupIndex = 1);

// A read / factory-default / write trio of request buttons: one group in one container, laid
// out in a row (when a row is given; else placed by the caller). The default button's
// caption differs on the base-unit settings pages.
struct RequestTrio {
    SpeedButton* read;
    SpeedButton* defaults;
    SpeedButton* write;
};
inline const QString kDefaultsCaption = QStringLiteral("Gyári alapértékek megjelenítése");
RequestTrio MakeTrio(QWidget* container, QBoxLayout* row, const char* read, const char* defaults, const char* write,
                 const QString& defaultsCaption = kDefaultsCaption);

// UTF-8 text of the cores as a QString.
inline QString Q(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The control of that name that belongs to the window itself: the dialogs, which the main
// window owns as children, are windows of their own and are not searched. (The model-page
// decision names the controls it changes.)
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

}  // namespace uibuild
