#include "common/text/Win1250.h"

#include <gtest/gtest.h>

#include <string>

using namespace qs;

namespace {

std::string Bytes(std::initializer_list<int> codes)
{
    std::string s;
    for (int c : codes)
        s.push_back(static_cast<char>(c));
    return s;
}

TEST(Win1250, HungarianAndSpecialCharactersBothWays)
{
    struct Row {
        const char* utf8;
        std::string bytes;
    };
    const Row rows[] = {
        {"Tank 1", "Tank 1"},
        {"áéíóöőúüű", Bytes({0xE1, 0xE9, 0xED, 0xF3, 0xF6, 0xF5, 0xFA, 0xFC, 0xFB})},
        {"ÁÉÍÓÖŐÚÜŰ", Bytes({0xC1, 0xC9, 0xCD, 0xD3, 0xD6, 0xD5, 0xDA, 0xDC, 0xDB})},
        {"€„°§ˇ˙", Bytes({0x80, 0x84, 0xB0, 0xA7, 0xA1, 0xFF})},
        {"ŠšŽžŁł", Bytes({0x8A, 0x9A, 0x8E, 0x9E, 0xA3, 0xB3})},
        {"\xC2\xA0", Bytes({0xA0})},  // no-break space
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Utf8ToWin1250(row.utf8), row.bytes) << row.utf8;
        EXPECT_EQ(Win1250ToUtf8(row.bytes), row.utf8) << row.utf8;
    }
}

TEST(Win1250, EveryDefinedCodeComesBackAsItself)
{
    int undefined = 0;
    for (int code = 1; code < 256; ++code) {
        const auto b = static_cast<std::uint8_t>(code);
        const char32_t c = win1250::ToCodePoint(b);
        if (c == U'?' && code != '?') {
            ++undefined;
            continue;
        }
        EXPECT_EQ(win1250::FromCodePoint(c), b) << code;
    }
    EXPECT_EQ(undefined, 5);
}

TEST(Win1250, WhatHasNoCodeBecomesAQuestionMark)
{
    struct Row {
        const char* name;
        std::string in;
        std::string out;
    };
    const Row rows[] = {
        {"letters of other code pages", "ñ漢ÿ", "???"},
        {"a character past the basic plane", "A😀B", "A?B"},
        {"a stray continuation byte",
         "A\x80"
         "B",
         "A?B"},
        {"a cut sequence at the end", "A\xE2\x82", "A??"},
        {"an overlong form", "\xC0\xAF", "??"},
        {"a surrogate", "\xED\xA0\x80", "???"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "????"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Utf8ToWin1250(row.in), row.out) << row.name;

    EXPECT_EQ(Win1250ToUtf8(Bytes({0x41, 0x81, 0x83, 0x88, 0x90, 0x98})), "A?????");
}

TEST(Win1250, Utf8OfEveryLength)
{
    const std::u32string text = {U'A', U'ő', U'€', U'😀'};
    EXPECT_EQ(CodePointsToUtf8(text), "Aő€😀");
    EXPECT_EQ(Utf8ToCodePoints("Aő€😀"), text);
}

}  // namespace
