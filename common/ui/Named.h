#pragma once
#include <QString>
#include <QWidget>

#include <string_view>
#include <utility>

// A control made with its objectName, so that tests and the binders find it by name: the
// constructor's arguments come first and the parent last, as Qt's controls take them
// (Named<QLabel>(page, "Label_PWM", "0")).
template <class T, class... Args>
T* Named(QWidget* parent, const char* name, Args&&... args)
{
    auto* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// UTF-8 text of the cores as a QString.
inline QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
