#pragma once
#include "CommandTable.h"
#include "ui/SpeedButton.h"

#include <QDialog>

class RequestButtons;

// The frame every module dialog shares, and the password dialog too: the read /
// factory-default / write trio of request buttons (one group, so pressing one withdraws a
// pending sibling) above the dialog's own content in body(). Created once at start and
// hidden, not destroyed, when closed. The frame's further controls (Esc, "Kép frissítés",
// the Alt refresh and GroupBox9) belong here, beside the trio.
class ModuleDialog : public QDialog {
    Q_OBJECT
public:
    struct Trio {
        const char* read = "SpeedButton_ReadFromDevice";
        const char* defaults = "SpeedButton_ReadDefault";
        const char* write = "SpeedButton_WriteToDevice";
        RequestKey readKey = KeyNone;
        RequestKey defaultKey = KeyNone;
        RequestKey writeKey = KeyNone;
    };

    ModuleDialog(const char* instanceName, const QString& caption, const Trio& trio, QWidget* parent = nullptr);

    // Binds the trio to its request keys.
    void BindRequests(RequestButtons& requests);

    SpeedButton* SpeedButton_ReadFromDevice = nullptr;
    SpeedButton* SpeedButton_ReadDefault = nullptr;
    SpeedButton* SpeedButton_WriteToDevice = nullptr;

protected:
    // The dialog's own controls go here.
    QWidget* body() const { return body_; }

private:
    QWidget* body_ = nullptr;
    Trio trio_;
};
