#pragma once
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QString>

namespace qs {

class RadioGroup;

// Builders for the settings pages of both programs.

// An edit with its caption in front (and an optional unit behind) on one grid row: named
// `name`, with the given text, a typing limit (0: none) and, for decimal edits, the decimal
// key that turns a typed "," or "." into the locale's separator.
struct EditRow {
    const char* name;
    QString caption;
    QString text = QStringLiteral("0");
    int maxLength = 0;
    bool decimalKey = false;
    QString unit = {};
};
QLineEdit* AddEditRow(QGridLayout* grid, int row, QWidget* parent, const EditRow& field);

// The width an edit needs to show the text whole in its font.
int EditWidthFor(const QLineEdit* edit, const QString& text);

// One limit output's controls: operating mode, hold, A, B, hysteresis, seconds and pulse
// width, named with the output's number n (RadioGroup_enuLimitModeLn, CheckBox_bHoldLn,
// Edit_iLowLimitLn, Edit_iHighLimitLn, Edit_iHysteresisLn, Edit_uSecLn, Edit_uPulseSecLn).
struct LimitOutputCaptions {
    QString group;      // the group's title, "%1" standing for n
    QString pulse;      // the pulse width's caption
    QString pulseUnit;  // the unit behind it (may be empty)
    bool decimalKeys;   // the decimal edits turn "," and "." into the locale's separator
};

struct LimitOutputControls {
    QGroupBox* group = nullptr;
    RadioGroup* mode = nullptr;
    QCheckBox* hold = nullptr;
    QLineEdit* low = nullptr;
    QLineEdit* high = nullptr;
    QLineEdit* hysteresis = nullptr;
    QLineEdit* seconds = nullptr;
    QLineEdit* pulseSeconds = nullptr;
};

// Design state: the first mode, hold unticked, every edit "0"; seconds take at most 5
// characters, the pulse width 3.
LimitOutputControls BuildLimitOutputGroup(QWidget* parent, int n,
                                          const LimitOutputCaptions& captions);

}  // namespace qs
