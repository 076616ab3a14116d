#include "QvtmpBinding.h"

#include "korvel/window/dialogs/NumberEditor.h"
#include "korvel/window/dialogs/QvtmpDialog.h"

#include <QPushButton>

namespace korvel {

using namespace qs;

QvtmpBinding::QvtmpBinding(Bindings& bindings, WindowState& state, QvtmpDialog* dialog,
                           NumberEditor* editor, QObject* parent)
    : QObject(parent), state_(state), dialog_(dialog),
      // Looked up in the dialog only: the QVAIN dialog has groups of the same names.
      selections_([dialog](const QString& name) { return dialog->findChild<QWidget*>(name); },
                  state.Decimals)
{
    for (const CommandInfo& row : CommandTable()) {
        if (row.trio != Trio::Qvtmp)
            continue;
        if (row.role == Role::Write)
            bindings.SetEncoder(row.code, [this](ByteWriter& out) {
                state_.LastQVTMPBlock.WithSelection(selections_.Take()).Encode(out);
            });
        else
            bindings.SetDecoder(row.code, [this](ByteReader& in) { Show(QvtmpBlock::Decode(in)); });
    }
    if (editor)
        BindEditorTargets(editor);
}

void QvtmpBinding::Show(const QvtmpBlock& b)
{
    state_.LastQVTMPBlock = b;
    // Selecting an item runs its group's click handler; the visibility rules run once more,
    // so that they hold too where the reply cleared a selection (wires below 2).
    selections_.Show(b.Selection());
    dialog_->RadioGroup_QVTMP_ModeClick();
    dialog_->RadioGroup_QVTMP_WiresClick();
    dialog_->ShowResistances(b, state_.LastStatus.bPt1000);
    ShowScaleLabels();
}

void QvtmpBinding::ShowScaleLabels()
{
    dialog_->ShowScaleLabels(state_.LastQVTMPBlock);
}

void QvtmpBinding::BindEditorTargets(NumberEditor* editor)
{
    WindowState& w = state_;
    struct Row {
        std::uint32_t target;
        const char* title;
        std::int32_t QvtmpBlock::*value;
        const char* button;
    };
    const Row rows[] = {
        {8, "A 0%-hoz tartozó kijelzési érték", &QvtmpBlock::iScaleLow, "Button_ScaleLowSettings"},
        {9, "A 100%-hoz tartozó kijelzési érték", &QvtmpBlock::iScaleHigh,
         "Button_ScaleHighSettings"},
    };
    for (const Row& r : rows) {
        const auto value = r.value;
        editor->SetTarget(
            r.target, {QString::fromUtf8(r.title), [&w, value] { return w.LastQVTMPBlock.*value; },
                       // The kept block's own decimals (above 4: no comma),
                       // whatever the poll or "Tizedesjegyek" says now.
                       [&w] { return static_cast<int>(w.LastQVTMPBlock.uDecimals); },
                       [&w, value](std::int32_t v) { w.LastQVTMPBlock.*value = v; },
                       [this] { ShowScaleLabels(); }});
        const std::uint32_t target = r.target;
        dialog_->BindValueButton(r.button, this, [editor, target] { editor->Open(target); });
    }
}

}  // namespace korvel
