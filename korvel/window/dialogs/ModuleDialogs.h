#pragma once
#include "ModuleDialog.h"
#include "StatusRecord.h"

class QCheckBox;
class QLabel;

// The five module dialogs. Their settings controls and record bindings come with the module
// blocks; today each has its trio, the relay dialog its output state and test, and the
// temperature dialog its sensor label.

class QvainDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvainDialog(QWidget* parent = nullptr);
};

class QvaoDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvaoDialog(QWidget* parent = nullptr);
};

class QvroDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvroDialog(QWidget* parent = nullptr);

    // The status poll: the test of the slot's output travels in its request; its reply shows
    // the output's state.
    void FillStatusRequest(StatusRequestInputs& in) const;
    void ApplyStatusButtons(const StatusRequestButtons& buttons);
    void ShowStatus(const StatusRecord& r, std::uint8_t moduleSlot);

    QLabel* Label_DigitalOutOff = nullptr;
    QLabel* Label_DigitalOutOn = nullptr;
    QCheckBox* CheckBox_DigitalOutForceEng = nullptr;
    SpeedButton* SpeedButton_DigitalOut1Force = nullptr;
};

class QvserDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvserDialog(QWidget* parent = nullptr);
};

class QvtmpDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvtmpDialog(QWidget* parent = nullptr);

    // The sensor type of the last status poll.
    void ShowStatus(const StatusRecord& r);

    QLabel* Label_bPt1000 = nullptr;
};
