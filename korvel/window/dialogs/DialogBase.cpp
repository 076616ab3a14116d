#include "DialogBase.h"

#include "common/ui/DesignFonts.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/AppRefresh.h"
#include "common/ui/ScreenFit.h"

#include <QKeyEvent>

namespace korvel {

using namespace qs;

DialogBase::DialogBase(const char* instanceName, const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QLatin1String(instanceName));
    setWindowTitle(caption);
    // A title bar without a system menu, minimise, maximise or close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(designfonts::WindowFont(QStringLiteral("MS Sans Serif")));

    Button_Esc = build::Button(this, "Button_Esc", QStringLiteral("Kilépés (Esc)"));
    Button_RefreshForm = build::Button(this, "Button_RefreshForm", QStringLiteral("Kép frissítés"));
    for (QPushButton* b : {Button_Esc, Button_RefreshForm})
        b->setAutoDefault(false);
    connect(Button_Esc, &QPushButton::clicked, this, [this] { Button_EscClick(); });
    connect(Button_RefreshForm, &QPushButton::clicked, this, [this] { Button_RefreshFormClick(); });
    new AltKeyFilter(this, [this] { Button_RefreshFormClick(); });
    placement_ = new screenfit::PlaceWhenFramed(
        this, [this] { PlaceAtMainWindow(); }, screenfit::PlaceWhenFramed::Showings::Every);
}

void DialogBase::PlaceAtMainWindow()
{
    QWidget* main = parentWidget();
    if (!main)
        return;
    // Where that would put part of the dialog off the screen (a laptop's, say), the dialog is
    // moved just enough to lie on it, so its buttons stay within reach. Its frame is its own
    // once the window manager has framed it; before, the main window's, or the usual one
    // before the main window is shown.
    const QPoint place = main->pos() + QPoint(kLeftOffset, kTopOffset);
    const QSize outer = size().grownBy(placement_->KnownFrame(screenfit::FrameOf(main)));
    move(screenfit::KeptOnScreen(place, outer, screenfit::AvailableAreaAt(place)));
}

void DialogBase::Button_EscClick()
{
    reject();
}

void DialogBase::Button_RefreshFormClick()
{
    ++RefreshCount;
    RefreshAllWindows();
}

void DialogBase::keyPressEvent(QKeyEvent* event)
{
    // The Esc key clicks the cancel button, so leaving by key runs the same handler.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button_Esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace korvel
