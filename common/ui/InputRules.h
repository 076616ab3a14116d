#pragma once
#include <QString>

namespace qs {

// The text as one line: each line break (CR, LF or CR LF) becomes one blank.
QString LineBreaksAsBlanks(const QString& text);

// How the keyboard and the mouse wheel work on the controls of both programs' windows, as
// technicians at the bench expect them. Installed once when a program builds its windows (a
// later call changes nothing); it holds for every control made after it and for those
// already there.
//  - A single-line edit holds one line: text pasted, dropped or set with line breaks shows
//    each break as one blank, so the edit shows what is saved and sent.
//  - A track bar, drop-down list or spin box changes its value by the wheel only while it
//    has the keyboard focus; otherwise the wheel scrolls the page that holds it, or does
//    nothing where nothing scrolls. The wheel gives them no focus; a click and Tab still do.
//  - Return and the keypad's Enter press a focused push button or speed button as Space
//    does: once per key press (a held key repeats nothing), and the key goes no further, so
//    a dialog's default button is not pressed as well.
void InstallInputRules();

}  // namespace qs
