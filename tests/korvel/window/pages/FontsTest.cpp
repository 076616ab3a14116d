// The design faces ("Arial", "MS Sans Serif") resolve to a proportional face on every form,
// whichever of the shipped families the machine has.
#include "tests/ControlBounds.h"
#include "tests/korvel/window/KorvelHarness.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(KorvelFonts, NoControlOfAnyFormIsMonospaced)
{
    KorvelHarness h({"/VORKAL"});
    const QWidgetList forms = QApplication::topLevelWidgets();
    EXPECT_GE(forms.size(), 9);
    for (QWidget* form : forms)
        for (const std::string& mono : controlbounds::Monospaced(form))
            ADD_FAILURE() << form->objectName().toStdString() << ": " << mono;
}
