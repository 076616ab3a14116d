#include "ScaleDialog.h"

namespace korvel {

using namespace qs;

QGroupBox* ScaleDialog::AddScale(const QString& title,
                                 std::initializer_list<NamedCaption> lowCaptions,
                                 std::initializer_list<NamedCaption> highCaptions)
{
    const ScaleRows scale = AddScaleRows(body(), title, lowCaptions, highCaptions);
    GroupBox1 = scale.group;
    Label_iScaleLowSettings = scale.low.value;
    Button_ScaleLowSettings = scale.low.button;
    Label_iScaleHighSettings = scale.high.value;
    Button_ScaleHighSettings = scale.high.button;
    SetValueFields(
        {{"iScaleLowSettings", &iScaleLowSettings}, {"iScaleHighSettings", &iScaleHighSettings}});
    return GroupBox1;
}

}  // namespace korvel
