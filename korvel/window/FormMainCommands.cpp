// The command set: what each command puts into its request and what its reply does to the
// window and to the request buttons.
#include "FormMain.h"
#include "UiBuild.h"

namespace {
void Release(SpeedButton* b)
{
    if (b)
        b->SetDown(false);
}

void Press(SpeedButton* b)
{
    if (b)
        b->SetDown(true);
}
}  // namespace

QWidget* TForm1::FindForm(std::string_view name) const
{
    if (name == "Form1")
        return const_cast<TForm1*>(this);
    for (QWidget* f : forms_)
        if (f->objectName() == uibuild::Q(name))
            return f;
    return nullptr;
}

bool TForm1::CarriesData(std::uint8_t command)
{
    // Only these commands carry request data; every other one goes out empty.
    switch (command) {
    case 101:  // status request, 5 bytes
    case 123:  // display image request, one byte
        return true;
    default:
        return WritesDevice(command);
    }
}

bool TForm1::WritesDevice(std::uint8_t command)
{
    switch (command) {
    case 1:    // identity record, 11 bytes
    case 109:  // base-unit settings record, 139 bytes
    case 130:  // Pt1000 flag, one byte
    case 202:  // QVAIN block
    case 204:  // QVAO block, main slot
    case 206:  // QVAO block, additional slot
    case 208:  // QVRO block, main slot
    case 210:  // QVRO block, additional slot
    case 215:  // QVSER block
    case 218:  // QV5510 display block
    case 222:  // password block
    case 225:  // QVTMP block
        return true;
    default:
        return false;
    }
}

void TForm1::BuildRequestData(std::uint8_t command)
{
    if (CarriesData(command) && RequestEncoders.contains(command))
        RequestEncoders.at(command)();
}

void TForm1::ParseRxData(std::uint8_t echo)
{
    // The reply record is applied first, then the buttons follow the command's rule.
    if (ReplyDecoders.contains(echo))
        ReplyDecoders.at(echo)();

    QWidget* qvain = FindForm("Form_QVAIN");
    QWidget* qvao = FindForm("Form_QVAO");
    QWidget* qvro = FindForm("Form_QVRO");
    QWidget* qvser = FindForm("Form_QVSER");
    QWidget* qvtmp = FindForm("Form_QVTMP");
    QWidget* password = FindForm("Form_Password");
    auto readOf = [](QWidget* form) { return uibuild::FindSpeedButton(form, "SpeedButton_ReadFromDevice"); };
    auto writeOf = [](QWidget* form) { return uibuild::FindSpeedButton(form, "SpeedButton_WriteToDevice"); };
    auto defaultOf = [](QWidget* form) { return uibuild::FindSpeedButton(form, "SpeedButton_ReadDefault"); };
    // A write acknowledgement releases the write and presses the read, so the stored values
    // are read back at once.
    auto readBack = [](SpeedButton* write, SpeedButton* read) {
        Release(write);
        Press(read);
    };

    switch (echo) {
    case 1: Release(SpeedButton_GyariSzamAKeszulekbe); break;
    case 101: break;  // the status poll has no button
    case 102: Release(SpeedButton_Cal0mA); break;
    case 103: Release(SpeedButton_Cal20mA); break;
    case 104: Release(SpeedButton_Cal0V); break;
    case 105: Release(SpeedButton_Cal10V); break;
    case 106: Release(SpeedButton_EraseFRAM1); break;
    case 109:
        Release(SpeedButton_WriteSettings);
        Release(SpeedButton_WriteSettings2);
        Press(SpeedButton_ReadSettings);
        Press(SpeedButton_ReadSettings2);
        break;
    case 110: Release(SpeedButton_ReadCalIn); break;
    case 113: Release(SpeedButton_Reset); break;
    case 114: Release(SpeedButton_CalPWML); break;
    case 115: Release(SpeedButton_CalPWMH); break;
    case 116: Release(SpeedButton_ReadPWMCal); break;
    case 123: Release(SpeedButton_ReadDisplay); break;
    case 125: Release(SpeedButton_iCalPt0ohm4W); break;
    case 126: Release(SpeedButton_iCalPtXohm4W); break;
    case 127: Release(SpeedButton_iCalPt0ohm3W); break;
    case 128: Release(SpeedButton_iCalPtXohm3W); break;
    case 129: Release(SpeedButton_ReadCalPt); break;
    case 130: Release(SpeedButton_bPt1000); break;
    case 131:
        Release(SpeedButton_ReadSettings);
        Release(SpeedButton_ReadSettings2);
        break;
    case 132:
        Release(SpeedButton_ReadDefaultSettings);
        Release(SpeedButton_ReadDefaultSettings2);
        break;
    case 201: Release(readOf(qvain)); break;
    case 202: readBack(writeOf(qvain), readOf(qvain)); break;
    case 203: case 205: Release(readOf(qvao)); break;
    case 204: case 206: readBack(writeOf(qvao), readOf(qvao)); break;
    case 207: case 209: Release(readOf(qvro)); break;
    case 208: case 210: readBack(writeOf(qvro), readOf(qvro)); break;
    case 211: Release(defaultOf(qvain)); break;
    case 212: Release(defaultOf(qvao)); break;
    case 213: Release(defaultOf(qvro)); break;
    case 214: Release(readOf(qvser)); break;
    case 215: readBack(writeOf(qvser), readOf(qvser)); break;
    case 216: Release(defaultOf(qvser)); break;
    case 217: Release(SpeedButton_ReadFromDevice_QV5510); break;
    case 218: readBack(SpeedButton_WriteToDevice_QV5510, SpeedButton_ReadFromDevice_QV5510); break;
    case 219: Release(SpeedButton_ReadDefault_QV5510); break;
    case 220: Release(uibuild::FindSpeedButton(password, "SpeedButton_ReadFromDevice_Password")); break;
    case 221: Release(uibuild::FindSpeedButton(password, "SpeedButton_ReadDefault_Password")); break;
    case 222:
        readBack(uibuild::FindSpeedButton(password, "SpeedButton_WriteToDevice_Password"),
                 uibuild::FindSpeedButton(password, "SpeedButton_ReadFromDevice_Password"));
        break;
    case 223: Release(readOf(qvtmp)); break;
    case 224: Release(defaultOf(qvtmp)); break;
    case 225: readBack(writeOf(qvtmp), readOf(qvtmp)); break;
    default: break;  // an echo without a case changes nothing
    }
}
