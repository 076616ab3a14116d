#include "TColor.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <optional>
#include <unordered_map>

namespace qs {

QColor ToQColor(TColor color)
{
    if (color == clBtnFace)
        return QApplication::palette().color(QPalette::Button);
    if (color == clWindowText)
        return QApplication::palette().color(QPalette::WindowText);
    if (color == clWindow)
        return QApplication::palette().color(QPalette::Base);
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

namespace {

// The TColors a widget was last given, so tests and callers can read the exact value back (a
// system colour is not reconstructible from its RGB). Kept beside the widget rather than as a
// dynamic property: labels are recoloured on every reply, and a property lookup searches the
// whole class's property table first. An entry goes with its widget.
struct Given {
    std::optional<TColor> background;
    std::optional<TColor> font;
    bool fontInText = false;  // the font colour was also given to the text role (edits)
};

std::unordered_map<const QWidget*, Given>& GivenColors()
{
    static std::unordered_map<const QWidget*, Given> given;
    return given;
}

Given& GivenOf(QWidget* widget)
{
    auto [it, added] = GivenColors().try_emplace(widget);
    if (added)
        QObject::connect(widget, &QObject::destroyed, [widget] { GivenColors().erase(widget); });
    return it->second;
}

const Given* FindGiven(const QWidget* widget)
{
    const auto it = GivenColors().find(widget);
    return it == GivenColors().end() ? nullptr : &it->second;
}

}  // namespace

void SetWidgetColors(QWidget* widget, TColor background, TColor font)
{
    // A palette change restyles the widget, so a pair it already has is left alone.
    Given& given = GivenOf(widget);
    if (given.background == background && given.font == font && widget->autoFillBackground())
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(background));
    pal.setColor(QPalette::WindowText, ToQColor(font));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
    given.background = background;
    if (given.font != font)
        given.fontInText = false;
    given.font = font;
}

void SetFontColor(QWidget* widget, TColor font)
{
    Given& given = GivenOf(widget);
    if (given.font == font && given.fontInText)
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, ToQColor(font));
    pal.setColor(QPalette::Text, ToQColor(font));
    widget->setPalette(pal);
    given.font = font;
    given.fontInText = true;
}

void SetEditBackground(QWidget* edit, TColor background)
{
    Given& given = GivenOf(edit);
    if (given.background == background)
        return;
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, ToQColor(background));
    edit->setPalette(pal);
    given.background = background;
}

TColor BackgroundColorOf(const QWidget* widget)
{
    const Given* given = FindGiven(widget);
    return given && given->background ? *given->background : clBtnFace;
}

TColor FontColorOf(const QWidget* widget)
{
    const Given* given = FindGiven(widget);
    return given && given->font ? *given->font : clWindowText;
}

void SetLabelHighlight(QWidget* widget, bool highlighted)
{
    if (highlighted)
        SetWidgetColors(widget, clWhite, clRed);
    else
        SetWidgetColors(widget, clBtnFace, clWindowText);
}

}  // namespace qs
