#pragma once
#include <QGroupBox>
#include <QString>

class QCheckBox;
class QLineEdit;
class QSlider;

namespace qs {

class RadioGroup;

// Groups of the settings pages that both programs show: the same controls, named after the
// settings record's fields (a record binder moves them by name), with the programs' own
// captions, texts and spacing as parameters.

// How a group lays out its rows, one control under the other: an edit with its caption in
// front, choices and check boxes across `span` columns.
struct GroupRowsLook {
    bool tightMargins = false;       // 4 pixels round the rows instead of the style's margins
    bool stretchEditColumn = false;  // the edits' column takes the spare width
    int span = 3;                    // columns a choice or a check box spans
    bool stretchBelow = true;        // spare height goes below the last row
    bool decimalKeys = false;  // number edits turn a typed "," or "." into the locale's separator
};

// "Analóg kimenet": the output's signal type, the displayed values at its low and high end,
// and how it shows an error.
class AnalogOutputGroup : public QGroupBox {
public:
    AnalogOutputGroup(QWidget* parent, const GroupRowsLook& look);

private:
    RadioGroup* RadioGroup_uAnalogueType = nullptr;
    QLineEdit* Edit_iAnalogueLow = nullptr;
    QLineEdit* Edit_iAnalogueHigh = nullptr;
    QCheckBox* CheckBox_bAnalogueErrorHigh = nullptr;
    QCheckBox* CheckBox_bDisableAnalogueError = nullptr;
};

// "Bargraph": dot mode and the displayed values at 0 % and 100 %.
class BargraphGroup : public QGroupBox {
public:
    BargraphGroup(QWidget* parent, const GroupRowsLook& look);

private:
    QCheckBox* CheckBox_BargraphDot = nullptr;
    QLineEdit* Edit_iBgLow = nullptr;
    QLineEdit* Edit_iBgHigh = nullptr;
};

// What differs between the programs' display groups.
struct DisplayGroupLook {
    GroupRowsLook rows;
    // The brightness bar: its name, range, value at start, page step and tick interval
    // (0: the style's). Its caption and bar stand in a row widget of their own, or in the
    // group's first two columns.
    const char* brightnessName;
    int brightnessMin;
    int brightnessMax;
    int brightnessValue;
    int brightnessPageStep;
    int brightnessTickInterval;
    bool brightnessRowWidget;
    QString tagnameText;  // the texts at start
    QString dimensionText;
    QString refreshCaption;
    QString decimalsCaption;
    QString roundingCaption;
    // The bar graph group inside the display group, between the refresh and the decimals
    // (nullptr: the page places a bar graph group of its own).
    const GroupRowsLook* bargraph = nullptr;
};

// "Kijelző": brightness, tag name, dimension, leading zeros, refresh, decimals and rounding.
class DisplayGroup : public QGroupBox {
public:
    DisplayGroup(QWidget* parent, const DisplayGroupLook& look);

private:
    QSlider* brightness_ =
        nullptr;  // named by the look (TrackBar_Brightness, TrackBar_DisplayBrightness)
    QLineEdit* Edit_DisplayTagname = nullptr;
    QLineEdit* Edit_DisplayDimension = nullptr;
    QCheckBox* CheckBox_DisplayLeaderZeros = nullptr;
    RadioGroup* RadioGroup_DisplayRefresh = nullptr;
    BargraphGroup* GroupBox_Bargraph = nullptr;
    RadioGroup* RadioGroup_uDecimalPointSettings = nullptr;
    RadioGroup* RadioGroup_uRoundSettings = nullptr;
};

}  // namespace qs
