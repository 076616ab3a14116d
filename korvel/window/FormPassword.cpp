#include "FormPassword.h"

#include "UiBuild.h"

#include <QHBoxLayout>

TForm_Password::TForm_Password(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form_Password");
    auto* h = new QHBoxLayout(this);
    const uibuild::RequestTrio trio = uibuild::Trio(this, h, "SpeedButton_ReadFromDevice_Password",
                                                    "SpeedButton_ReadDefault_Password", "SpeedButton_WriteToDevice_Password");
    SpeedButton_ReadFromDevice_Password = trio.read;
    SpeedButton_ReadDefault_Password = trio.defaults;
    SpeedButton_WriteToDevice_Password = trio.write;
}
