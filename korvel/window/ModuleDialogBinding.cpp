#include "ModuleDialogBinding.h"

#include "korvel/session/LinkSession.h"
#include "korvel/link/records/ModuleBlocks.h"
#include "korvel/window/dialogs/ModuleOpeners.h"
#include "korvel/window/dialogs/ModuleDialogs.h"
#include "korvel/window/dialogs/NumberEditor.h"
#include "korvel/window/pages/ModelPages.h"
#include "common/ui/RecordBinder.h"

#include <QPushButton>

#include <memory>
#include <type_traits>

namespace korvel {

using namespace qs;

namespace {

// A module block bound to its dialog: the controls through the record binder (looked up in
// the dialog only, so the settings pages' controls of the same names are never touched), the
// block's plain integers through the dialog's value fields.
template <class Block>
class DialogBlock {
public:
    DialogBlock(ModuleDialog* d, const DecimalFormat& format)
        : dialog_(d),
          binding_([d](const QString& name) { return d->findChild<QWidget*>(name); }, format)
    {
    }

    // The block as the dialog shows it now.
    Block Take() const
    {
        Block base{};
        VisitValueFields(base, [](std::int32_t& member, std::int32_t& field) { member = field; });
        return binding_.Take(base);
    }

    // A received block: the controls, then the value fields (their labels are the caller's).
    void Show(Block b) const
    {
        binding_.Show(b);
        VisitValueFields(b, [](std::int32_t& member, std::int32_t& field) { field = member; });
    }

private:
    template <class F>
    void VisitValueFields(Block& b, F&& f) const
    {
        Block::VisitFields(b, [&](std::string_view name, auto& member, const auto& codec) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(codec)>, field::Integer>)
                if (std::int32_t* v = dialog_->ValueField(name))
                    f(member, *v);
        });
    }

    ModuleDialog* dialog_;
    recordbind::Binding<Block> binding_;
};

// Every command of a dialog's trio: a write takes the block from the dialog when it starts;
// a read or factory-default reply shows the block in it, then `shown` finishes the reply.
template <class Block>
void BindTrio(Bindings& bindings, const DecimalFormat& format, Trio trio, ModuleDialog* d,
              std::function<void(const Block&)> shown)
{
    const auto block = std::make_shared<DialogBlock<Block>>(d, format);
    for (const CommandInfo& row : CommandTable()) {
        if (row.trio != trio)
            continue;
        if (row.role == Role::Write)
            bindings.SetEncoder(row.code, [block](ByteWriter& out) { block->Take().Encode(out); });
        else
            bindings.SetDecoder(row.code, [block, shown](ByteReader& in) {
                const Block b = Block::Decode(in);
                block->Show(b);
                shown(b);
            });
    }
}

}  // namespace

ModuleDialogBinding::ModuleDialogBinding(Bindings& bindings, WindowState& state,
                                         const FormDialogs& dialogs, ModelPages& models,
                                         LinkSession& session, QObject* parent)
    : QObject(parent), state_(state), dialogs_(dialogs), session_(session)
{
    BindBlocks(bindings);
    BindEditorTargets();
    models.BindOpeners(this, [this](const ModuleOpener& opener) { Open(opener); });
}

void ModuleDialogBinding::ShowValueLabels(ModuleDialog* dialog) const
{
    if (dialog)
        dialog->ShowValueLabels(state_.Decimals);
}

ModuleDialog* ModuleDialogBinding::DialogOf(Trio trio) const
{
    switch (trio) {
    case Trio::Qvain:
        return dialogs_.qvain;
    case Trio::Qvao:
        return dialogs_.qvao;
    case Trio::Qvro:
        return dialogs_.qvro;
    case Trio::Qvser:
        return dialogs_.qvser;
    case Trio::Qvtmp:
        return dialogs_.qvtmp;
    default:
        return nullptr;
    }
}

void ModuleDialogBinding::BindBlocks(Bindings& bindings)
{
    const DecimalFormat& format = state_.Decimals;
    if (dialogs_.qvain)
        BindTrio<QvainBlock>(bindings, format, Trio::Qvain, dialogs_.qvain,
                             [this](const QvainBlock& b) {
                                 // The module's decimals set the window's scaled format until the
                                 // next status poll.
                                 state_.Decimals.SetDecimalFormat(b.receivedDecimals);
                                 ShowValueLabels(dialogs_.qvain);
                             });
    if (dialogs_.qvao)
        BindTrio<QvaoBlock>(bindings, format, Trio::Qvao, dialogs_.qvao,
                            [this](const QvaoBlock&) { ShowValueLabels(dialogs_.qvao); });
    if (dialogs_.qvro)
        BindTrio<QvroBlock>(bindings, format, Trio::Qvro, dialogs_.qvro,
                            [this](const QvroBlock&) { ShowValueLabels(dialogs_.qvro); });
    // The MODBUS controls are the settings record's too; the time-out is the block's own.
    if (dialogs_.qvser)
        BindTrio<QvserBlock>(bindings, format, Trio::Qvser, dialogs_.qvser,
                             [](const QvserBlock&) {});
}

void ModuleDialogBinding::BindEditorTargets()
{
    NumberEditor* editor = dialogs_.numberEditor;
    if (!editor || !dialogs_.qvain || !dialogs_.qvao || !dialogs_.qvro)
        return;
    struct Row {
        std::uint32_t target;
        const char* title;
        ModuleDialog* dialog;
        const char* field;
        const char* button;
    };
    const Row rows[] = {
        {1, "QVAIN skála alsó számérték beállítása", dialogs_.qvain, "iScaleLowSettings",
         "Button_ScaleLowSettings"},
        {2, "QVAIN skála felső számérték beállítása", dialogs_.qvain, "iScaleHighSettings",
         "Button_ScaleHighSettings"},
        {3, "QVAO skála alsó számérték beállítása", dialogs_.qvao, "iScaleLowSettings",
         "Button_ScaleLowSettings"},
        {4, "QVAO skála felső számérték beállítása", dialogs_.qvao, "iScaleHighSettings",
         "Button_ScaleHighSettings"},
        {5, "A érték vagy delta érték beállítása", dialogs_.qvro, "iSettingsA", "Button_SettingsA"},
        {6, "B érték beállítása", dialogs_.qvro, "iSettingsB", "Button_SettingsB"},
        {7, "Hiszterézis érték beállítása", dialogs_.qvro, "iSettingsHysteresis",
         "Button_SettingsHysteresis"},
    };
    const WindowState& state = state_;
    for (const Row& r : rows) {
        std::int32_t* field = r.dialog->ValueField(r.field);
        ModuleDialog* dialog = r.dialog;
        editor->SetTarget(
            r.target,
            {QString::fromUtf8(r.title), [field] { return *field; },
             // The decimals of the last status poll, whatever the
             // window's format or the dialog's own choice is now.
             [&state] { return static_cast<int>(state.LastStatus.uDecimals); },
             [field](std::int32_t v) { *field = v; }, [this, dialog] { ShowValueLabels(dialog); }});
        const std::uint32_t target = r.target;
        r.dialog->BindValueButton(r.button, editor, [editor, target] { editor->Open(target); });
    }
}

void ModuleDialogBinding::Open(const ModuleOpener& opener)
{
    ModuleDialog* d = DialogOf(opener.dialog);
    if (!d)
        return;
    if (opener.slot) {
        session_.SelectSlot(opener.dialog, *opener.slot);
        d->setWindowTitle(QString::fromUtf8(opener.caption));
    }
    d->PlaceAtMainWindow();
    d->PressRead();
    d->exec();
}

}  // namespace korvel
