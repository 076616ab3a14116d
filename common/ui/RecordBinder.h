#pragma once
#include "common/link/records/FieldCodec.h"
#include "common/numbers/ScaledNumber.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSlider;

namespace qs {

class RadioGroup;

// Binds a device record to the window controls that hold its fields. Each field's control
// is named from the field's codec and its device-variable name ("TrackBar_", "Edit_",
// "CheckBox_", "RadioGroup_", "ComboBox_" + name), unless the binding's exception map names
// another control; the controls are looked up by objectName once, when the binding is
// resolved. A field of a codec no control shows (a value the window keeps beside its
// controls) is left to the caller.
//
// Taking a record from the controls applies the entry rules: scaled edits are converted with
// the window's current scaled format and rewritten with the value sent, clamped edits are
// clamped and rewritten. Showing a record sets every control as a reply does: a radio group
// selects the item the codec chose (past the last: the last; none: cleared), a list past its
// items has no selection, a track bar keeps its position within its range, scaled values are
// shown in the current format, clamped counters as plain decimal text.
namespace recordbind {

// The control kinds a field can be bound to. None: a value the window keeps beside its
// controls (a dialog's value field, say), which the binding leaves to its caller.
enum class Kind { None, TrackBar, Text, Check, Radio, List, Scaled, Counter };

// The control name prefix of a kind.
std::string_view Prefix(Kind kind);

template <class Codec>
constexpr Kind KindOf()
{
    if constexpr (std::is_same_v<Codec, field::Byte>)
        return Kind::TrackBar;
    else if constexpr (std::is_same_v<Codec, field::Text>)
        return Kind::Text;
    else if constexpr (std::is_base_of_v<field::Check, Codec>)
        return Kind::Check;
    else if constexpr (std::is_same_v<Codec, field::List>)
        return Kind::List;
    else if constexpr (std::is_base_of_v<field::Selection<Codec>, Codec>)
        return Kind::Radio;
    else if constexpr (std::is_same_v<Codec, field::Scaled>)
        return Kind::Scaled;
    else if constexpr (std::is_same_v<Codec, field::Clamped>)
        return Kind::Counter;
    else
        return Kind::None;
}

// The value a control of a kind holds, and its setting, for one resolved control.
struct Control {
    Kind kind;
    QWidget* widget = nullptr;
};

// Control <-> value moves of each kind (the scaled ones with the given format).
int SelectedIndex(const Control& c);
void Select(const Control& c, int index);
bool Checked(const Control& c);
void SetChecked(const Control& c, bool checked);
std::string Text(const Control& c);
void SetText(const Control& c, const std::string& utf8);
int Position(const Control& c);
void SetPosition(const Control& c, int position);
std::int32_t TakeScaled(const Control& c, const DecimalFormat& format);
void ShowScaled(const Control& c, std::int32_t value, const DecimalFormat& format);
std::uint32_t TakeClamped(const Control& c, std::uint32_t minimum, std::uint32_t maximum);
void ShowCounter(const Control& c, std::uint32_t value);

// Whether the widget is of the class a kind needs.
bool Fits(Kind kind, QWidget* widget);

// A record's fields bound to their controls.
template <class Record>
class Binding {
public:
    using Find = std::function<QWidget*(const QString& objectName)>;

    // find: looks a control up by objectName; names: exceptions, field name -> control name;
    // format: the window's current scaled format (read when a record is taken or shown).
    Binding(Find find, const DecimalFormat& format,
            std::map<std::string, QString, std::less<>> names = {})
        : find_(std::move(find)), format_(format), names_(std::move(names))
    {
        Resolve();
    }

    // Looks every control up again (after the windows that hold some of them were created).
    void Resolve()
    {
        controls_.clear();
        missing_.clear();
        const Record probe{};
        Record::VisitFields(probe, [&](std::string_view name, const auto&, const auto& codec) {
            constexpr Kind kind = KindOf<std::remove_cvref_t<decltype(codec)>>();
            if constexpr (kind == Kind::None) {
                controls_.push_back({kind, nullptr});
                return;
            }
            const QString controlName = ControlName(kind, name);
            QWidget* w = find_ ? find_(controlName) : nullptr;
            if (!w || !Fits(kind, w)) {
                missing_.push_back(controlName);
                w = nullptr;
            }
            controls_.push_back({kind, w});
        });
    }

    // Controls that were not found (or are of the wrong class): a binding error.
    const std::vector<QString>& Missing() const { return missing_; }

    // The record as the controls hold it; edits are rewritten with the values sent. Fields
    // without a control keep the values `base` has.
    Record Take(Record base = {}) const
    {
        std::size_t i = 0;
        Record::VisitFields(base, [&](std::string_view, auto& member, const auto& codec) {
            const Control& c = controls_[i++];
            if constexpr (KindOf<std::remove_cvref_t<decltype(codec)>>() != Kind::None)
                if (c.widget)
                    member = TakeValue(c, codec);
        });
        return base;
    }

    // Shows the fields of a record in their controls, in field order.
    void Show(const Record& r) const
    {
        std::size_t i = 0;
        Record::VisitFields(r, [&](std::string_view, const auto& member, const auto& codec) {
            const Control& c = controls_[i++];
            if constexpr (KindOf<std::remove_cvref_t<decltype(codec)>>() != Kind::None)
                if (c.widget)
                    ShowValue(c, member, codec);
        });
    }

    // The same for only the fields that `visit` walks (one of Ombrik's parts, say):
    // visit(record, visitor) calls visitor(name, member, codec) for some of the fields.
    template <class Subset>
    Record TakeSubset(Record base, Subset&& visit) const
    {
        const auto byName = Index(base);
        visit(base, [&](std::string_view name, auto& member, const auto& codec) {
            const Control* c = byName.at(name);
            if constexpr (KindOf<std::remove_cvref_t<decltype(codec)>>() != Kind::None)
                if (c->widget)
                    member = TakeValue(*c, codec);
        });
        return base;
    }

    template <class Subset>
    void ShowSubset(const Record& r, Subset&& visit) const
    {
        const auto byName = Index(r);
        visit(r, [&](std::string_view name, const auto& member, const auto& codec) {
            const Control* c = byName.at(name);
            if constexpr (KindOf<std::remove_cvref_t<decltype(codec)>>() != Kind::None)
                if (c->widget)
                    ShowValue(*c, member, codec);
        });
    }

    QString ControlName(Kind kind, std::string_view field) const
    {
        if (const auto it = names_.find(field); it != names_.end())
            return it->second;
        return QString::fromUtf8(Prefix(kind)) +
               QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
    }

private:
    std::map<std::string_view, const Control*> Index(const Record& r) const
    {
        std::map<std::string_view, const Control*> byName;
        std::size_t i = 0;
        Record::VisitFields(r, [&](std::string_view name, const auto&, const auto&) {
            byName[name] = &controls_[i++];
        });
        return byName;
    }

    template <class Codec>
    auto TakeValue(const Control& c, const Codec& codec) const
    {
        constexpr Kind kind = KindOf<Codec>();
        if constexpr (kind == Kind::TrackBar)
            return static_cast<std::uint8_t>(Position(c));
        else if constexpr (kind == Kind::Text)
            return Text(c);
        else if constexpr (kind == Kind::Check)
            return Checked(c);
        else if constexpr (kind == Kind::Radio || kind == Kind::List)
            return SelectedIndex(c);
        else if constexpr (kind == Kind::Scaled)
            return TakeScaled(c, format_);
        else
            return TakeClamped(c, codec.minimum, codec.maximum);
    }

    template <class Member, class Codec>
    void ShowValue(const Control& c, const Member& member, const Codec&) const
    {
        constexpr Kind kind = KindOf<Codec>();
        if constexpr (kind == Kind::TrackBar)
            SetPosition(c, member);
        else if constexpr (kind == Kind::Text)
            SetText(c, member);
        else if constexpr (kind == Kind::Check)
            SetChecked(c, member);
        else if constexpr (kind == Kind::Radio || kind == Kind::List)
            Select(c, member);
        else if constexpr (kind == Kind::Scaled)
            ShowScaled(c, member, format_);
        else
            ShowCounter(c, member);
    }

    Find find_;
    const DecimalFormat& format_;
    std::map<std::string, QString, std::less<>> names_;
    std::vector<Control> controls_;
    std::vector<QString> missing_;
};

}  // namespace recordbind

}  // namespace qs
