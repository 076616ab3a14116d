#include "DeviceReplacedNotice.h"
#include "common/ui/DesignFonts.h"
#include "common/ui/AppRefresh.h"

#include "common/ui/ScreenFit.h"
#include "common/ui/TColor.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

DeviceReplacedNotice::DeviceReplacedNotice(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form_Keszulekcsere");
    setWindowTitle("A készüléket kicserélték!");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);
    // The windows' common face, and the design's outer size with the usual frame.
    setFont(designfonts::WindowFont(QStringLiteral("MS Sans Serif")));
    setFixedSize(screenfit::ClientOf(kOuterSize));

    auto* v = new QVBoxLayout(this);
    auto* headline = new QLabel("Új készüléket csatlakoztattak az USB portra", this);
    SetFontColor(headline, clRed);
    QFont f = headline->font();
    f.setPixelSize(18);
    f.setBold(true);
    headline->setFont(f);
    v->addWidget(headline, 0, Qt::AlignHCenter);

    auto* grid = new QGridLayout;
    auto row = [&](int r, const QString& caption, QLabel*& target, const char* name) {
        auto* c = new QLabel(caption, this);
        SetFontColor(c, clBlack);
        target = new QLabel("???????", this);
        target->setObjectName(name);
        grid->addWidget(c, r, 0, Qt::AlignRight);
        grid->addWidget(target, r, 1);
    };
    row(0, "Korábbi készülék:", Label_uLastDevice, "Label_uLastDevice");
    row(1, "Új készülék:", Label_uDevice, "Label_uDevice");
    row(2, "Korábbi gyári szám:", Label_uLastDeviceID, "Label_uLastDeviceID");
    row(3, "Új gyári szám:", Label_uDeviceID, "Label_uDeviceID");
    v->addLayout(grid);
    v->addWidget(new QLabel("A folytatás az új készülék beállításaival történik.", this), 0,
                 Qt::AlignHCenter);

    Button_Ok = new QPushButton("Ok", this);
    Button_Ok->setObjectName("Button_Ok");
    Button_Ok->setDefault(true);
    v->addWidget(Button_Ok, 0, Qt::AlignHCenter);
    connect(Button_Ok, &QPushButton::clicked, this, [this] { Button_OkClick(); });

    reshow_ = new QTimer(this);
    reshow_->setSingleShot(true);
    reshow_->setInterval(0);
    connect(reshow_, &QTimer::timeout, this, [this] {
        if (isVisible())
            ShowAboveModalDialog();
    });
    placement_ = new screenfit::PlaceWhenFramed(
        this, [this] { CentreOnMainWindow(); }, screenfit::PlaceWhenFramed::Showings::Every);
}

void DeviceReplacedNotice::MarkChanges(bool typeChanged, bool idChanged)
{
    SetFontColor(Label_uDevice, typeChanged ? clRed : clBlack);
    SetFontColor(Label_uDeviceID, idChanged ? clRed : clBlack);
}

void DeviceReplacedNotice::ShowDevices(std::uint16_t type, std::uint16_t lastType, std::uint32_t id,
                                       std::uint32_t lastId)
{
    Label_uDevice->setText(QString::number(type));
    Label_uLastDevice->setText(QString::number(lastType));
    Label_uDeviceID->setText(QString::number(id));
    Label_uLastDeviceID->setText(QString::number(lastId));
}

void DeviceReplacedNotice::ShowNotice(QWidget* mainWindow)
{
    mainWindow_ = mainWindow;
    // Placed before it shows, so the dialog's own placement on its owner does not apply.
    CentreOnMainWindow();
    ShowAboveModalDialog();
}

void DeviceReplacedNotice::ShowAboveModalDialog()
{
    // A dialog's modal loop blocks every window that is not its own child, so a non-modal
    // notice would sit above it unreachable. Modal itself, it becomes the newest modal window
    // and takes the input until it is hidden; the dialog below keeps running.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (isVisible() && windowModality() == modality) {
        raise();
        activateWindow();
        return;
    }
    if (isVisible())
        hide();  // a modality takes effect when the window is shown
    setWindowModality(modality);
    show();
    activateWindow();
}

bool DeviceReplacedNotice::event(QEvent* event)
{
    // A dialog opened while the notice shows blocks it: the notice comes back above that
    // dialog once the dialog is on screen.
    if (event->type() == QEvent::WindowBlocked && isVisible())
        reshow_->start();
    return QDialog::event(event);
}

void DeviceReplacedNotice::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // The keyboard goes back to where the work goes on: the dialog whose modal loop runs, else
    // the main window (unless the user has gone to another window meanwhile).
    QWidget* active = QApplication::activeWindow();
    if (active && active != this)
        return;
    QWidget* next = QApplication::activeModalWidget();
    if (!next)
        next = parentWidget();
    if (next && next->isVisible())
        next->activateWindow();
}

void DeviceReplacedNotice::CentreOnMainWindow()
{
    if (!mainWindow_)
        return;
    // The notice's frame centred on the main window's: its own frame once the window manager
    // has framed it; before, the main window's, or the usual one.
    const QRect main = mainWindow_->frameGeometry();
    const QSize outer = size().grownBy(placement_->KnownFrame(screenfit::FrameOf(mainWindow_)));
    move(screenfit::KeptOnScreen(screenfit::CentredOn(main, outer), outer,
                                 screenfit::AvailableAreaAt(main.center())));
}

void DeviceReplacedNotice::Button_OkClick()
{
    hide();
}

void DeviceReplacedNotice::keyPressEvent(QKeyEvent* event)
{
    // Alt alone with any key repaints the notice; Esc presses "Ok" (the cancel button).
    if (IsExactlyAlt(event->modifiers(), QGuiApplication::mouseButtons())) {
        repaint();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Button_OkClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace korvel
