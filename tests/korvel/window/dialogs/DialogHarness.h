#pragma once
// Korvel's forms on the simulated meter with the module blocks stored in it, and the module
// dialogs driven as the user drives them: an opener's click starts the dialog's modal loop,
// and the test's steps run inside it.
#include "tests/korvel/window/KorvelHarness.h"
#include "tests/LocaleScope.h"
#include "korvel/window/dialogs/ModuleOpeners.h"
#include "tests/sim/ModuleStore.h"
#include "korvel/window/dialogs/NumberEditor.h"

#include <QAbstractButton>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The data of the last request the meter took with this command.
inline std::vector<std::uint8_t> LastRequest(const SimulatedMeter& meter, std::uint8_t command)
{
    for (auto it = meter.requests().rbegin(); it != meter.requests().rend(); ++it)
        if (it->command == command)
            return it->data;
    return {};
}

// The commands the meter took, without the status polls.
inline std::vector<std::uint8_t> RequestsBesidesPolls(const SimulatedMeter& meter)
{
    std::vector<std::uint8_t> codes;
    for (std::uint8_t c : meter.commandsSeen())
        if (c != 101)
            codes.push_back(c);
    return codes;
}

struct DialogHarness : KorvelHarness {
    using KorvelHarness::KorvelHarness;

    ModuleStore modules{*meter};
    korvel::QvainDialog* qvain = forms->Form_QVAIN;
    korvel::QvaoDialog* qvao = forms->Form_QVAO;
    korvel::QvroDialog* qvro = forms->Form_QVRO;
    korvel::QvserDialog* qvser = forms->Form_QVSER;
    korvel::QvtmpDialog* qvtmp = forms->Form_QVTMP;
    korvel::PasswordDialog* password = forms->Form_Password;
    korvel::NumberEditor* editor = forms->Form_IncDec;

    // A button of the main window's pages by name.
    QPushButton* button(const char* name) const { return C<QPushButton>(name); }

    // A button of a dialog's read, defaults and write trio by the module dialogs' name for it;
    // the password dialog's names end in "_Password".
    static qs::SpeedButton* trioButton(const QWidget* d, const char* name)
    {
        QString own = QString::fromLatin1(name);
        if (d->objectName() == QLatin1String("Form_Password"))
            own += QLatin1String("_Password");
        return findcontrol::Find<qs::SpeedButton>(d, own);
    }

    korvel::ModuleDialog* dialogOf(korvel::Trio trio) const
    {
        switch (trio) {
        case korvel::Trio::Qvain:
            return qvain;
        case korvel::Trio::Qvao:
            return qvao;
        case korvel::Trio::Qvro:
            return qvro;
        case korvel::Trio::Qvser:
            return qvser;
        case korvel::Trio::Password:
            return password;
        default:
            return qvtmp;
        }
    }

    // Clicks `opener` and runs `body` inside the modal loop it starts; then, if `dialog` is
    // still shown, closes it with its Esc button. Answers whether the body ran while the
    // dialog was shown modally.
    static bool whileOpen(QAbstractButton* opener, korvel::DialogBase* dialog,
                          const std::function<void()>& body)
    {
        bool ranModal = false;
        bool ran = false;
        QTimer::singleShot(0, dialog, [&] {
            ran = true;
            ranModal = dialog->isVisible() && dialog->isModal();
            body();
            if (dialog->isVisible())
                findcontrol::Find<QPushButton>(dialog, "Button_Esc")->click();
        });
        opener->click();
        if (!ran)
            QCoreApplication::processEvents();
        return ran && ranModal;
    }

    // Opens the dialog, reads its block, runs `edit` and presses Write, which the meter refuses
    // (code 5): the write is still pending when the dialog closes.
    bool leaveWritePending(const char* opener, korvel::ModuleDialog* d, std::uint8_t write,
                           const std::function<void()>& edit)
    {
        modules.Refuse(write, korvel::mbu3::ErrCommand);
        const bool shown = whileOpen(button(opener), d, [&] {
            tick();
            edit();
            trioButton(d, "SpeedButton_WriteToDevice")->click();
            tick();
        });
        EXPECT_TRUE(trioButton(d, "SpeedButton_WriteToDevice")->IsDown()) << opener;
        return shown;
    }

    // The number editor opened through a value button: runs `body` inside, then OK (or Esc).
    bool withEditor(
        QAbstractButton* valueButton, bool ok, const std::function<void()>& body = [] {})
    {
        return whileOpen(valueButton, editor, [&] {
            body();
            (ok ? findcontrol::Find<QPushButton>(editor, "Button_OK")
                : findcontrol::Find<QPushButton>(editor, "Button_Esc"))
                ->click();
        });
    }

    // A status poll with these decimals, so the window's scaled format and the editor's
    // decimals follow them.
    void pollDecimals(std::uint8_t decimals)
    {
        meter->status.uDecimals = decimals;
        tick();
    }

    std::string text(const char* widgetName, QWidget* in) const
    {
        auto* l = findcontrol::Find<QLabel>(in, widgetName);
        return l ? l->text().toStdString() : std::string("<no ") + widgetName + ">";
    }
};
