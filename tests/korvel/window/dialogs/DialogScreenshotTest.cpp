// Renders the module dialogs and the number editor, filled from the simulated meter, into PNG
// files for looking at the layout. Runs only when QS_SCREENSHOT_DIR names a folder.
#include "DialogHarness.h"

#include <QDir>

using namespace qs;
using namespace korvel;

TEST(Screenshot, ModuleDialogs)
{
    const QByteArray dir = qgetenv("QS_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set QS_SCREENSHOT_DIR to render the dialogs";
    LocaleScope hungarian(HungarianLocale());
    DialogHarness h;
    h.pollDecimals(2);
    const QString out = QString::fromUtf8(dir);
    QDir().mkpath(out);
    struct Shot {
        const char* opener;
        DialogBase* dialog;
        const char* file;
    };
    for (const Shot& s : {Shot{"Button_QV3320_QVAIN", h.qvain, "qvain.png"},
                          Shot{"Button_QV3320_QVAO_Tovabbi", h.qvao, "qvao.png"},
                          Shot{"Button_QV5510_Rel1", h.qvro, "qvro.png"},
                          Shot{"Button_QV5530_QVSER_Fo", h.qvser, "qvser.png"},
                          Shot{"Button_QV5510_QVTMP", h.qvtmp, "qvtmp.png"}})
        EXPECT_TRUE(h.whileOpen(h.button(s.opener), s.dialog, [&] {
            h.tick();
            KorvelHarness::pump();
            EXPECT_TRUE(s.dialog->grab().save(out + "/" + s.file));
        }));
    // The temperature dialog with its factory values ("°C", 4 wires: both groups hidden; the
    // stored block above shows them), and the password dialog after its read.
    EXPECT_TRUE(h.whileOpen(h.button("Button_QV5530_QVTMP"), h.qvtmp, [&] {
        findcontrol::Find<qs::SpeedButton>(h.qvtmp, "SpeedButton_ReadDefault")->click();
        h.tick();
        KorvelHarness::pump();
        EXPECT_TRUE(h.qvtmp->grab().save(out + "/qvtmp-defaults.png"));
    }));
    EXPECT_TRUE(h.whileOpen(h.button("Button1"), h.password, [&] {
        h.tick();
        KorvelHarness::pump();
        EXPECT_TRUE(h.password->grab().save(out + "/password.png"));
    }));
    EXPECT_TRUE(
        h.withEditor(findcontrol::Find<QPushButton>(h.qvro, "Button_SettingsB"), false, [&] {
            KorvelHarness::pump();
            EXPECT_TRUE(h.editor->grab().save(out + "/number-editor.png"));
        }));
    // The replacement notice for a meter of another model.
    h.meter->deviceType = 3320;
    h.meter->deviceId = 3000000000u;
    h.tick();
    KorvelHarness::pump();
    EXPECT_TRUE(h.forms->Form_Keszulekcsere->grab().save(out + "/notice.png"));
}
