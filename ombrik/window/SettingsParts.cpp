#include "SettingsParts.h"

#include "ombrik/link/CommandTable.h"

#include <QWidget>

namespace ombrik {

using namespace qs;

using namespace mbu;

namespace {

// Walks the fields of one part.
auto PartFields(SettingsPart part)
{
    return [part](auto& record, auto&& visit) {
        SettingsRecord::VisitPartFields(record, part, visit);
    };
}

}  // namespace

SettingsParts::SettingsParts(MbuSession::Bindings& bindings, const QWidget& settingsPage,
                             const QWidget& limitsPage, const DecimalFormat& scaled,
                             QObject* parent)
    : QObject(parent), binding_(
                           [&settingsPage, &limitsPage](const QString& name) {
                               QWidget* control = settingsPage.findChild<QWidget*>(name);
                               return control ? control : limitsPage.findChild<QWidget*>(name);
                           },
                           scaled, {{"Brightness", QStringLiteral("TrackBar_DisplayBrightness")}})
{
    constexpr SettingsPart kParts[] = {SettingsPart::Part1, SettingsPart::Part2,
                                       SettingsPart::Part3};
    // Each chain sends its parts in order: step p of a chain moves part p.
    for (std::size_t p = 0; p < 3; ++p) {
        const SettingsPart part = kParts[p];
        bindings.SetEncoder(ChainOf(Command::SettingsWrite1)[p], [this, part](ByteWriter& w) {
            Take(part);
            Record.EncodePart(part, w);
        });
        for (const RequestKey read : {Command::SettingsRead1, Command::SettingsDefaults1})
            bindings.SetDecoder(ChainOf(read)[p], [this, part](ByteReader& r) {
                Record.DecodePart(part, r);
                Show(part);
            });
    }
}

void SettingsParts::Take(SettingsPart part)
{
    Record = binding_.TakeSubset(Record, PartFields(part));
}

void SettingsParts::Show(SettingsPart part)
{
    binding_.ShowSubset(Record, PartFields(part));
}

}  // namespace ombrik
