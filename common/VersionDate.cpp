#include "VersionDate.h"

#include <cstdio>

namespace qs {

std::string VersionToStr(std::uint16_t code, std::string_view separator)
{
    const unsigned year = code / 372u + 2000u;
    const unsigned month = (code % 372u) / 31u + 1u;
    const unsigned day = (code % 372u) % 31u + 1u;
    char buf[16];
    std::string text;
    std::snprintf(buf, sizeof buf, "%04u", year);
    text += buf;
    text += separator;
    std::snprintf(buf, sizeof buf, "%02u", month);
    text += buf;
    text += separator;
    std::snprintf(buf, sizeof buf, "%02u", day);
    text += buf;
    text += separator;
    return text;
}

}  // namespace qs
