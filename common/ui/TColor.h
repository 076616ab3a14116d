#pragma once
#include <QColor>
#include <cstdint>

class QWidget;

namespace qs {

// Colours as the device tools write them: $00BBGGRR (blue in the high byte, red in the low),
// plus two system colours that follow the palette.
using TColor = std::uint32_t;

constexpr TColor clBtnFace = 0xFF00000Fu;     // button face (palette Button)
constexpr TColor clWindowText = 0xFF000008u;  // window text (palette WindowText)
constexpr TColor clWindow = 0xFF000005u;      // an edit's background (palette Base)
constexpr TColor clRed = 0x0000FFu;
constexpr TColor clLime = 0x00FF00u;
constexpr TColor clYellow = 0x00FFFFu;
constexpr TColor clWhite = 0xFFFFFFu;
constexpr TColor clGreen = 0x008000u;
constexpr TColor clBlue = 0xFF0000u;
constexpr TColor clBlack = 0x000000u;

// The colour of a $00BBGGRR value, or of a system colour in the application's palette.
QColor ToQColor(TColor color);

// A label's (or any widget's) background and font colour; the background is painted.
void SetWidgetColors(QWidget* widget, TColor background, TColor font);
void SetFontColor(QWidget* widget, TColor font);
// An edit's background (the colour behind its text).
void SetEditBackground(QWidget* edit, TColor background);
TColor BackgroundColorOf(const QWidget* widget);
// A monitor label highlighted on a link error: background white, font red; normal: button
// face and window text.
void SetLabelHighlight(QWidget* widget, bool highlighted);
TColor FontColorOf(const QWidget* widget);

}  // namespace qs
