#include "DialogBase.h"

#include "UiBuild.h"
#include "ui/AppRefresh.h"

#include <QKeyEvent>

DialogBase::DialogBase(const char* instanceName, const QString& caption, QWidget* parent) : QDialog(parent)
{
    setObjectName(QLatin1String(instanceName));
    setWindowTitle(caption);
    // A title bar without a system menu, minimise, maximise or close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    Button_Esc = uibuild::Button(this, "Button_Esc", QStringLiteral("Kilépés (Esc)"));
    Button_RefreshForm = uibuild::Button(this, "Button_RefreshForm", QStringLiteral("Kép frissítés"));
    for (QPushButton* b : {Button_Esc, Button_RefreshForm})
        b->setAutoDefault(false);
    connect(Button_Esc, &QPushButton::clicked, this, [this] { Button_EscClick(); });
    connect(Button_RefreshForm, &QPushButton::clicked, this, [this] { Button_RefreshFormClick(); });
    new AltKeyFilter(this, [this] { Button_RefreshFormClick(); });
}

void DialogBase::PlaceAtMainWindow()
{
    if (QWidget* main = parentWidget())
        move(main->pos() + QPoint(kLeftOffset, kTopOffset));
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
