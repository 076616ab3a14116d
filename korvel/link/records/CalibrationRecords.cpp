#include "CalibrationRecords.h"

void InputCalibration::Encode(ByteWriter& w) const
{
    for (std::int32_t p : points)
        w.PutInteger(p);
}

InputCalibration InputCalibration::Decode(ByteReader& r)
{
    InputCalibration c;
    for (std::int32_t& p : c.points)
        p = r.GetInteger();
    return c;
}

int InputCalibration::PointOfCommand(std::uint8_t command)
{
    return command >= 102 && command <= 105 ? command - 102 : -1;
}

void OutputCalibration::Encode(ByteWriter& w) const
{
    for (std::uint16_t p : points)
        w.PutWord(p);
}

OutputCalibration OutputCalibration::Decode(ByteReader& r)
{
    OutputCalibration c;
    for (std::uint16_t& p : c.points)
        p = r.GetWord();
    return c;
}

int OutputCalibration::PointOfCommand(std::uint8_t command, int kimenetTipusaIndex)
{
    const int low = kimenetTipusaIndex == 0 ? 0 : 2;  // 4 mA or 2 V
    if (command == 114)
        return low;
    if (command == 115)
        return low + 1;
    return -1;
}

void PtCalibration::Encode(ByteWriter& w) const
{
    for (std::int32_t p : points)
        w.PutInteger(p);
}

PtCalibration PtCalibration::Decode(ByteReader& r)
{
    PtCalibration c;
    for (std::int32_t& p : c.points)
        p = r.GetInteger();
    return c;
}

int PtCalibration::PointOfCommand(std::uint8_t command)
{
    return command >= 125 && command <= 128 ? command - 125 : -1;
}
