#pragma once
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qs {
class RadioGroup;
}

namespace korvel {

// Controls the module dialogs share.

// The rounding steps of the module blocks ("1" .. "100").
extern const QStringList kRoundingItems;

// A row of a value that the number editor changes: its caption label or labels (stacked), the
// bold value label showing "xxxxx" until the first reply or edit, and its "Módosítás" button.
struct ValueRow {
    QLabel* value = nullptr;
    QPushButton* button = nullptr;
};

using NamedCaption = std::pair<const char*, QString>;

// Adds the row at `row` of the grid: captions in column 0, value in 1, button in 2. The
// controls are made children of the grid's parent widget.
ValueRow AddValueRow(QGridLayout* grid, int row, std::initializer_list<NamedCaption> captions,
                     const char* valueName, const char* buttonName);

// GroupBox1 with the two scale rows (Label_iScaleLowSettings / Button_ScaleLowSettings and
// Label_iScaleHighSettings / Button_ScaleHighSettings) under their captions.
struct ScaleRows {
    QGroupBox* group = nullptr;
    ValueRow low;
    ValueRow high;
};
ScaleRows AddScaleRows(QWidget* parent, const QString& title,
                       std::initializer_list<NamedCaption> lowCaptions,
                       std::initializer_list<NamedCaption> highCaptions);

// A bold label.
QLabel* BoldLabel(QWidget* parent, const char* name, const QString& text);

// A radio group with its name, items and design selection, its items in `columns` columns.
qs::RadioGroup* NamedRadioGroup(QWidget* parent, const char* name, const QString& caption,
                                const QStringList& items, int designIndex, int columns = 1);

// An edit of a whole number: its design text and the most characters typing may give it.
QLineEdit* NumberEntry(QWidget* parent, const char* name, int maxLength,
                       const QString& text = QStringLiteral("0"));

}  // namespace korvel
