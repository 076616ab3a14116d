#include "TColor.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

QColor ToQColor(TColor color)
{
    if (color == clBtnFace)
        return QApplication::palette().color(QPalette::Button);
    if (color == clWindowText)
        return QApplication::palette().color(QPalette::WindowText);
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

// The TColor a widget was last given is kept as a property, so tests and callers can read
// the exact value back (a system colour is not reconstructible from its RGB).
static const char* const kBackgroundProperty = "tcolorBackground";
static const char* const kFontProperty = "tcolorFont";

void SetWidgetColors(QWidget* widget, TColor background, TColor font)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(background));
    pal.setColor(QPalette::WindowText, ToQColor(font));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
    widget->setProperty(kBackgroundProperty, QVariant::fromValue<quint32>(background));
    widget->setProperty(kFontProperty, QVariant::fromValue<quint32>(font));
}

void SetFontColor(QWidget* widget, TColor font)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, ToQColor(font));
    pal.setColor(QPalette::Text, ToQColor(font));
    widget->setPalette(pal);
    widget->setProperty(kFontProperty, QVariant::fromValue<quint32>(font));
}

TColor BackgroundColorOf(const QWidget* widget)
{
    const QVariant v = widget->property(kBackgroundProperty);
    return v.isValid() ? v.value<quint32>() : clBtnFace;
}

TColor FontColorOf(const QWidget* widget)
{
    const QVariant v = widget->property(kFontProperty);
    return v.isValid() ? v.value<quint32>() : clWindowText;
}

void SetLabelHighlight(QWidget* widget, bool highlighted)
{
    if (highlighted)
        SetWidgetColors(widget, clWhite, clRed);
    else
        SetWidgetColors(widget, clBtnFace, clWindowText);
}
