#pragma once
#include "ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

// Small builders for the windows: every control gets its objectName.
namespace uibuild {

QLabel* Label(QWidget* parent, const char* name, const QString& text);
// A fixed caption with no name of its own.
QLabel* Caption(QWidget* parent, const QString& text);
QGroupBox* Group(QWidget* parent, const char* name, const QString& title);
QPushButton* Button(QWidget* parent, const char* name, const QString& caption);
QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption);
// A request button: container is the widget whose buttons of the same group exclude each other.
SpeedButton* Speed(QWidget* container, const char* name, const QString& caption, int groupIndex = 1);

}  // namespace uibuild
