#pragma once
#include <QStringList>

namespace qs {

// Item lists of the base unit's settings controls, the same in both programs.
namespace settingsitems {

// Display refresh in ms (travels as a code).
inline QStringList Refresh()
{
    return {"12", "60", "100", "200", "300", "500"};
}

// Analogue output type, and the input type with the same items.
inline QStringList SignalTypes()
{
    return {"Áram 4-20 mA", "Áram 0-20 mA", "Feszültség 0-10 V", "Feszültség 0-5 V",
            "Feszültség 2-10 V"};
}

inline QStringList Decimals()
{
    return {"0", "1", "2", "3", "4"};
}

// Display rounding step (travels as its number).
inline QStringList Rounding()
{
    return {"1", "2", "5"};
}

inline QStringList LimitDisplayModes()
{
    return {"Kikapcsolva", "Dinamikus",   "Időzített",
            "Statikus",    "Változáskor", "Mindig bekapcsolva"};
}

// Operating modes of a limit output on the settings pages.
inline QStringList LimitModes()
{
    return {"1. Kikapcsolva",
            "2. Nagyobb vagy egyenlő, mint A",
            "3. Kisebb vagy egyenlő, mint A",
            "4. A és B között",
            "5. Kisebb, mint A vagy nagyobb, mint B",
            "6. Fűtés, feltöltés",
            "7. Hűtés, leengedés",
            "8. Mindig bekapcsolva",
            "9. Delta t növekedés",
            "10. Delta t csökkenés",
            "11. Delta t változás"};
}

inline QStringList ModbusProtocols()
{
    return {"RTU", "ASCII"};
}

inline QStringList ModbusParities()
{
    return {"Nincs (None)", "Páros (Even)", "Páratlan (Odd)", "Mindig 1 (Mark)"};
}

// Baud rates, index 0..15.
inline QStringList BaudRates()
{
    QStringList items;
    for (const char* rate :
         {"300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "76800",
          "115200", "230400", "460800", "576000", "921600"})
        items << QString::fromLatin1(rate) + " bit/sec.";
    return items;
}

// MODBUS device addresses "0" .. "247", index = address.
inline QStringList ModbusAddresses()
{
    QStringList items;
    for (int address = 0; address <= 247; ++address)
        items << QString::number(address);
    return items;
}

// Pt sensor wires: item i means i + 2 wires.
inline QStringList PtWires()
{
    return {"2", "3", "4"};
}

}  // namespace settingsitems

}  // namespace qs
