#pragma once
#include "ombrik/link/CommandTable.h"
#include "ombrik/link/HandMadeRequest.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <QPushButton>

#include <array>

namespace ombrik {

class MbuSession;

// "TabSheet3", the developer page: a request composed by hand (device type, firmware window,
// command code and up to 55 data bytes typed as decimal numbers), sent at once with
// "Parancs küldés", and eleven presets that send fixed codes. Its nine edits are kept in the
// settings file.
//
// The page writes the session's request frame itself: every change of the data text puts the
// parsed bytes into bytes 7..63 of the frame last sent and refreshes the Tx monitor, and a
// send builds the whole frame.
class DeveloperPage : public QWidget {
    Q_OBJECT
public:
    // Fills the page control's sheet.
    DeveloperPage(QWidget* sheet, MbuSession& session);

    // The texts of the nine edits the settings file keeps, in its order: Edit1 .. Edit8,
    // Edit_InputText.
    static constexpr std::size_t kSettingsFileEdits = 9;
    std::array<QString, kSettingsFileEdits> SettingsFileTexts() const;
    // The edits as the settings file has them; the data text is parsed once whatever it
    // holds (a text equal to the edit's own would give no change signal).
    void LoadSettingsFileTexts(const std::array<QString, kSettingsFileEdits>& texts);

    // Sends the hand-made request at once, whatever the link is doing.
    void Button1Click();
    // A preset: its code into Edit8, then Button1Click.
    void PresetClick(std::uint8_t code);
    // The data bytes of Edit_InputText: the count shown, the edit red when a 56th number was
    // found, the bytes put into the request frame and the Tx monitor refreshed.
    mbu::InputData ParseInputText();
    // Three edits as a date at 12:00: today when they are no date whose code fits 16 bits.
    // The edits keep what was typed.
    static mbu::CalendarDate EditsToDate(const QLineEdit* year, const QLineEdit* month,
                                         const QLineEdit* day);

private:
    std::array<QLineEdit*, kSettingsFileEdits> SettingsFileEdits() const;

    MbuSession& session_;
    // Button2 .. Button12, in the order of their codes (mbu::kDeveloperPresets).
    std::array<QPushButton*, 11> presets_{};

    QLineEdit* Edit1 = nullptr;  // device type
    QLineEdit* Edit2 = nullptr;  // lowest version: year, month, day
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;  // highest version: year, month, day
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;  // command code
    QLabel* Label_InputSequence = nullptr;
    QLineEdit* Edit_InputText = nullptr;  // data bytes as decimal numbers
    QPushButton* Button1 = nullptr;
};

}  // namespace ombrik
