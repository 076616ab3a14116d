#pragma once
#include "ui/SpeedButton.h"

#include <QDialog>

// The frame every module dialog shares: the read / factory-default / write trio of request
// buttons (one group, so pressing one withdraws a pending sibling). Created once at start and
// hidden, not destroyed, when closed.
class ModuleDialog : public QDialog {
    Q_OBJECT
public:
    ModuleDialog(const char* instanceName, const QString& caption, QWidget* parent = nullptr);

    SpeedButton* SpeedButton_ReadFromDevice = nullptr;
    SpeedButton* SpeedButton_ReadDefault = nullptr;
    SpeedButton* SpeedButton_WriteToDevice = nullptr;

protected:
    QWidget* body() const { return body_; }

private:
    QWidget* body_ = nullptr;
};

class TForm_QVAIN : public ModuleDialog {
    Q_OBJECT
public:
    explicit TForm_QVAIN(QWidget* parent = nullptr) : ModuleDialog("Form_QVAIN", "QVAIN", parent) {}
};

class TForm_QVAO : public ModuleDialog {
    Q_OBJECT
public:
    explicit TForm_QVAO(QWidget* parent = nullptr) : ModuleDialog("Form_QVAO", "QVAO - Fő modul", parent) {}
};

class QCheckBox;
class QLabel;

class TForm_QVRO : public ModuleDialog {
    Q_OBJECT
public:
    explicit TForm_QVRO(QWidget* parent = nullptr);

    // The output's present state and its test independent of the operating mode; the
    // status poll reads and writes them.
    QLabel* Label_DigitalOutOff = nullptr;
    QLabel* Label_DigitalOutOn = nullptr;
    QCheckBox* CheckBox_DigitalOutForceEng = nullptr;
    SpeedButton* SpeedButton_DigitalOut1Force = nullptr;
};

class TForm_QVSER : public ModuleDialog {
    Q_OBJECT
public:
    explicit TForm_QVSER(QWidget* parent = nullptr) : ModuleDialog("Form_QVSER", "QVSER", parent) {}
};

class TForm_QVTMP : public ModuleDialog {
    Q_OBJECT
public:
    explicit TForm_QVTMP(QWidget* parent = nullptr);

    QLabel* Label_bPt1000 = nullptr;  // sensor type of the last status poll
};
