#include "LinkErrors.h"

namespace qs {

namespace linkerror {

std::string_view Text(std::uint8_t code, std::uint8_t highest)
{
    if (code > highest)
        return {};
    switch (code) {
    case 0:
        return "0";
    case 1:
        return "1: CRC.";
    case 2:
        return "2: Unknow device.";
    case 3:
        return "3: This program is old. Use new.";
    case 4:
        return "4: This program is too new. Use earlier.";
    case 5:
        return "5: Unkown command.";
    case 6:
        return "6: Time out.";
    case 7:
        return "7: Device RX buffer is full.";
    default:
        return {};
    }
}

std::string_view ShortText(std::uint8_t code)
{
    switch (code) {
    case 1:
        return "CRC!";
    case 2:
        return "Device!";
    case 3:
        return "Old prg!";
    case 4:
        return "New prg!";
    case 5:
        return "Command!";
    case 6:
        return "Time out!";
    case 7:
        return "Buffer!";
    default:
        return {};
    }
}

Marks MarksFor(std::uint8_t code)
{
    return Marks{code != None, code == Command, code == Device,
                 code == ProgramOld || code == ProgramNew, code == Crc || code == TimeOut};
}

}  // namespace linkerror

}  // namespace qs
