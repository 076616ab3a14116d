#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

// The devices store their texts in the Central European code page (Windows-1250), one byte
// a character; the programs hold texts as UTF-8. A character the code page has no code for
// goes to the device as "?", and one of the five codes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) comes back as "?".

namespace win1250 {

// The code of one character; '?' when the code page has none.
std::uint8_t FromCodePoint(char32_t c);

// The character of one code; '?' for an undefined code.
char32_t ToCodePoint(std::uint8_t code);

}  // namespace win1250

// The characters of a UTF-8 text. A byte that does not belong to a well-formed sequence
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate, a value past
// U+10FFFF) counts as one U+FFFD, so no input is ever read past its end.
std::u32string Utf8ToCodePoints(std::string_view utf8);

// The UTF-8 form of the characters; a value that is no character gives U+FFFD.
std::string CodePointsToUtf8(std::u32string_view text);

// A UTF-8 text as Windows-1250 bytes, one a character.
std::string Utf8ToWin1250(std::string_view utf8);

// Windows-1250 bytes as a UTF-8 text.
std::string Win1250ToUtf8(std::string_view bytes);

}  // namespace qs
