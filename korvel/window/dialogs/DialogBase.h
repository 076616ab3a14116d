#pragma once
#include <QDialog>

class QPushButton;

namespace qs::screenfit {
class PlaceWhenFramed;
}

namespace korvel {

// What Korvel's modal dialogs share (the module dialogs, the number editor and the password
// dialog): no border icons, "Kilépés (Esc)" that the Esc key clicks, "Kép frissítés" and the
// key preview that runs it for any key pressed with Alt alone, and the place they open at,
// below the main window. Created once at start with the main window as parent, and only
// hidden when closed, so their values survive from one showing to the next.
class DialogBase : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLeftOffset = 21;
    static constexpr int kTopOffset = 355;

    DialogBase(const char* instanceName, const QString& caption, QWidget* parent);

    // Left := the main window's Left + 21, Top := its Top + 355, wherever it stands now;
    // moved just enough to lie on the screen where that place would put part of it off. Done
    // again on every showing, and once more where the window manager frames the dialog only
    // after it is shown. The openers call it before exec(): a dialog placed before it shows
    // is not centred on its owner by the dialog's own first showing.
    void PlaceAtMainWindow();

    // Closes the dialog (ends the modal loop); nothing is reset.
    void Button_EscClick();
    // Repaints every window of the program.
    void Button_RefreshFormClick();

    // How often the dialog refreshed the program's windows.
    int RefreshCount = 0;

protected:
    QPushButton* Button_Esc = nullptr;
    QPushButton* Button_RefreshForm = nullptr;

    void keyPressEvent(QKeyEvent* event) override;

private:
    qs::screenfit::PlaceWhenFramed* placement_ = nullptr;
};

}  // namespace korvel
