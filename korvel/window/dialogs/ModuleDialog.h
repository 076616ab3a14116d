#pragma once
#include "korvel/link/CommandTable.h"
#include "DialogBase.h"
#include "common/ui/ScreenFit.h"
#include "common/ui/SpeedButton.h"

#include <QRect>
#include <QSize>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

class QGroupBox;
class QLabel;

namespace qs {
class DecimalFormat;
}

namespace korvel {

class RequestButtons;

// The frame every module dialog shares, and the password dialog too: outer size 1271 x 538
// with the usual window frame round it, "Kilépés (Esc)" top left and "Kép frissítés" top
// right, the dialog's own controls in GroupBox9 (body()), and along the bottom edge the read /
// factory-default / write trio of request buttons (one group, so pressing one withdraws a
// pending sibling; all may be up). Every frame control stands at a fixed place in client
// coordinates, whatever the fonts; the dialogs place their own groups at fixed places too.
class ModuleDialog : public DialogBase {
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

    // The design's outer size, and the client area inside the usual frame (1255 x 500).
    static constexpr QSize kOuterSize{1271, 538};
    static constexpr QSize kClientSize = qs::screenfit::ClientOf(kOuterSize);
    // GroupBox9's place unless the dialog narrows it: from 8, 56 down to 8 px above the trio.
    static constexpr QRect kBodyRect{8, 56, 1239, 392};

    // groupTitle: the caption of GroupBox9.
    ModuleDialog(const char* instanceName, const QString& caption, const QString& groupTitle,
                 const Trio& trio, QWidget* parent = nullptr);

    // Binds the trio to its request keys.
    void BindRequests(RequestButtons& requests);

    // The dialog's value field of that name (a scaled integer the number editor changes and
    // a write sends as it stands); nullptr when the dialog has none of that name.
    std::int32_t* ValueField(std::string_view name) const;
    // Each value field's label ("Label_" + its name): the value in the window's current
    // scaled format, with the locale's decimal separator.
    void ShowValueLabels(const qs::DecimalFormat& format) const;
    // Opening the dialog: its read goes Down.
    void PressRead();
    // A value's "Módosítás" button (by its name) runs `open`, for as long as `context` lives.
    void BindValueButton(const char* name, QObject* context, std::function<void()> open);

protected:
    qs::SpeedButton* SpeedButton_ReadFromDevice = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefault = nullptr;
    qs::SpeedButton* SpeedButton_WriteToDevice = nullptr;
    QGroupBox* GroupBox9 = nullptr;

protected:
    // The dialog's own controls go here (GroupBox9).
    QWidget* body() const;
    // The dialog's value fields, by name; each is shown in the label "Label_" + name.
    struct NamedValue {
        const char* name;
        std::int32_t* field;
    };
    void SetValueFields(std::initializer_list<NamedValue> fields);

private:
    struct ValueAndLabel {
        NamedValue value;
        QLabel* label;
    };
    std::vector<ValueAndLabel> values_;
    Trio trio_;
};

}  // namespace korvel
