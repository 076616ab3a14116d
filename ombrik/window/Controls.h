#pragma once
#include "ui/Named.h"
#include "ui/SpeedButton.h"

#include <QGridLayout>
#include <QLabel>

#include <initializer_list>

// Small builders for Ombrik's pages: controls listed as tables of (member, name, caption).
namespace ombrik {

struct ButtonSpec {
    SpeedButton** target;
    const char* name;
    const char* caption;
};

// Request buttons of group index 1 in one container (so they exclude each other), placed in
// the grid from (row, column) on, `columns` to a row.
void AddRequestButtons(QWidget* container, QGridLayout* grid, int row, int column, int columns,
                       std::initializer_list<ButtonSpec> buttons);

struct ValueSpec {
    QLabel** target;
    const char* name;
    const char* caption;  // the fixed label beside it
    const char* text;     // its text at start
};

// "caption value" rows of a grid, from `row` on in columns `column` and `column` + 1.
// Answers the next free row.
int AddValueRows(QWidget* parent, QGridLayout* grid, int row, int column, std::initializer_list<ValueSpec> values);

}  // namespace ombrik
