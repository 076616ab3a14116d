#pragma once
#include "FieldCodec.h"
#include "ui/ComboIndex.h"
#include "ui/NumberEdit.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>

// Moves a record between its field list (VisitFields: device variable, member, codec) and the
// controls of a window. The codec's kind names the control: a list "ComboBox_", any other
// selection "RadioGroup_", a check "CheckBox_", a clamped integer "Edit_", followed by the
// field's name. A plain integer is a value field of the window (a scaled integer the number
// editor changes), shown in "Label_" + name by the window in its own format.
//
// The controls are looked up below the given container only, so two windows that hold
// controls of the same name (a module dialog and a base-unit settings page) never touch
// each other's.
namespace blockbind {

struct Controls {
    QWidget* container = nullptr;
    // The value field of a name; nullptr when there is none.
    std::function<std::int32_t*(std::string_view)> values;
};

namespace detail {
template <class C>
inline constexpr bool kList = std::is_same_v<C, field::List>;
template <class C>
inline constexpr bool kSelection = std::is_base_of_v<field::Selection<C>, C> && !kList<C>;
template <class C>
inline constexpr bool kCheck = std::is_base_of_v<field::Check, C>;
template <class C>
inline constexpr bool kClamped = std::is_same_v<C, field::Clamped>;
template <class C>
inline constexpr bool kValue = std::is_same_v<C, field::Integer>;
template <class C>
inline constexpr bool kBound = kList<C> || kSelection<C> || kCheck<C> || kClamped<C> || kValue<C>;

template <class C>
QString ControlName(std::string_view name)
{
    const char* prefix = kList<C> ? "ComboBox_" : kSelection<C> ? "RadioGroup_" : kCheck<C> ? "CheckBox_" : kClamped<C> ? "Edit_" : "Label_";
    return QLatin1String(prefix) + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

template <class C>
using ControlOf = std::conditional_t<
    kList<C>, QComboBox,
    std::conditional_t<kSelection<C>, RadioGroup, std::conditional_t<kCheck<C>, QCheckBox, std::conditional_t<kClamped<C>, QLineEdit, QWidget>>>>;

template <class C>
ControlOf<C>* Find(const Controls& c, std::string_view name)
{
    return c.container->findChild<ControlOf<C>*>(ControlName<C>(name));
}

inline std::int32_t* ValueOf(const Controls& c, std::string_view name)
{
    return c.values ? c.values(name) : nullptr;
}
}  // namespace detail

// The record as the controls show it now. A clamped integer's edit is rewritten with the
// value that goes out.
template <class Block>
Block Gather(const Controls& c)
{
    Block b{};
    Block::VisitFields(b, [&](std::string_view name, auto& member, const auto& codec) {
        using C = std::remove_cvref_t<decltype(codec)>;
        static_assert(detail::kBound<C>, "no control kind for this codec yet");
        if constexpr (detail::kValue<C>) {
            if (const std::int32_t* v = detail::ValueOf(c, name))
                member = *v;
        } else if (auto* control = detail::Find<C>(c, name)) {
            if constexpr (detail::kList<C>)
                member = control->currentIndex();
            else if constexpr (detail::kSelection<C>)
                member = control->ItemIndex();
            else if constexpr (detail::kCheck<C>)
                member = control->isChecked();
            else if constexpr (detail::kClamped<C>)
                member = EditToIntClamped(control, codec.minimum, codec.maximum);
        }
    });
    return b;
}

// Shows a received record: selects the items (running the groups' click handlers), ticks the
// checks, writes the integers into their edits and sets the value fields. The value labels
// are the caller's, in its format.
template <class Block>
void Show(const Block& block, const Controls& c)
{
    Block::VisitFields(block, [&](std::string_view name, const auto& member, const auto& codec) {
        using C = std::remove_cvref_t<decltype(codec)>;
        static_assert(detail::kBound<C>, "no control kind for this codec yet");
        if constexpr (detail::kValue<C>) {
            if (std::int32_t* v = detail::ValueOf(c, name))
                *v = member;
        } else if (auto* control = detail::Find<C>(c, name)) {
            if constexpr (detail::kList<C>)
                SetComboIndex(control, member);
            else if constexpr (detail::kSelection<C>)
                control->setItemIndex(member);
            else if constexpr (detail::kCheck<C>)
                control->setChecked(member);
            else if constexpr (detail::kClamped<C>)
                control->setText(QString::number(member));
        }
    });
}

// The controls (and value fields with their labels) the record names but the container
// lacks: empty when every field is bound.
template <class Block>
QStringList MissingControls(const Controls& c)
{
    QStringList missing;
    const Block block{};
    Block::VisitFields(block, [&](std::string_view name, const auto&, const auto& codec) {
        using C = std::remove_cvref_t<decltype(codec)>;
        if (!detail::Find<C>(c, name))
            missing << detail::ControlName<C>(name);
        if (detail::kValue<C> && !detail::ValueOf(c, name))
            missing << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    });
    return missing;
}

}  // namespace blockbind
