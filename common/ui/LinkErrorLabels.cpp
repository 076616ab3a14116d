#include "LinkErrorLabels.h"
#include "MemoText.h"
#include "LabelText.h"

#include "common/session/LinkErrors.h"
#include "ControlBuilder.h"
#include "TColor.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace qs {

using namespace build;

void LinkErrorLabels::Show(std::uint8_t code, std::uint8_t highest) const
{
    const linkerror::Marks marks = linkerror::MarksFor(code);
    SetLabelHighlight(error, marks.error);
    if (const std::string_view text = linkerror::Text(code, highest); !text.empty())
        labeltext::Set(
            error, [&] { return Utf8(text); }, code, highest);
    SetLabelHighlight(txCommand, marks.command);
    for (QLabel* l : {txDevice, rxDevice})
        SetLabelHighlight(l, marks.device);
    for (QLabel* l : {txVersionMin, txVersionMax, rxVersion})
        SetLabelHighlight(l, marks.version);
    if (marks.replyUnknown) {
        for (QLabel* l : {rxDevice, rxVersion, rxCounter})
            l->setText(QStringLiteral("?"));
        rxDump->Clear();
    }
}

}  // namespace qs
