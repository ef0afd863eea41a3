// Percent-encoding of values, usually over UTF-8.
//
// The decoder never rejects input: a "%" reads the next two bytes as hexadecimal digits,
// a missing digit counting as 0 and any other byte as -2, and the byte value is taken
// modulo 256; a value of 0 appends nothing. "+" is left alone.
#pragma once

#include <string>
#include <string_view>

namespace varimonde {

// Decodes %XX escapes; with `utf8`, reads the result as UTF-8 and converts it to GBK
// (invalid sequences and characters GBK lacks become "?").
std::string percentDecode(std::string_view text, bool utf8);

// Escapes every byte as %XX (upper-case digits) except, with `keepUnreserved`, "-", ".",
// digits and ASCII letters; with `utf8`, encodes the UTF-8 form of the GBK text.
std::string percentEncode(std::string_view text, bool keepUnreserved, bool utf8);

}  // namespace varimonde
