#pragma once
#include <QFont>
#include <QString>

namespace qs {

// The windows were designed for "MS Sans Serif" and "Arial". Neither ships with Linux, and
// fontconfig's own fallback for an unknown family can be a monospaced face, which cuts
// captions. Both names are mapped to one proportional sans-serif family: Liberation Sans
// (Arial's metrics) where it is installed, else DejaVu Sans.
namespace designfonts {

// The family the design faces resolve to on this machine.
QString SansFamily();
// A window's face: the design face `family` ("MS Sans Serif" or "Arial") at the windows'
// 11 pixels.
QFont WindowFont(const QString& family);
// Maps the design faces to SansFamily() and makes it the application's face; call once,
// after the application is created.
void Install();

}  // namespace designfonts

}  // namespace qs
