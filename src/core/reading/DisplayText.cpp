#include "core/reading/DisplayText.h"

namespace kestrava {

namespace {

// The code point starting at bytes[i] and its length, or length 0 when the
// sequence there is not well-formed UTF-8 (overlong forms, surrogates and
// values beyond U+10FFFF included).
std::size_t decodeOne(std::string_view bytes, std::size_t i, char32_t& cp)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(bytes[k]);
    };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t length = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    char32_t cp = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = decodeOne(bytes, i, cp);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string displayUtf8(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes)
        appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::u32string displayCodePoints(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    if (isValidUtf8(bytes)) {
        char32_t cp = 0;
        for (std::size_t i = 0; i < bytes.size();) {
            i += decodeOne(bytes, i, cp);
            out += cp;
        }
        return out;
    }
    for (const char c : bytes)
        out += static_cast<unsigned char>(c);
    return out;
}

} // namespace kestrava
