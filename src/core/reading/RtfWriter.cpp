#include "core/reading/RtfWriter.h"

#include "core/TextFile.h"
#include "core/reading/DisplayText.h"

namespace kestrava {

namespace {

void appendUnicodeEscape(std::string& rtf, char32_t unit)
{
    // RTF writes \u with a signed 16-bit value, followed by one fallback character.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    rtf += "\\u" + std::to_string(value) + '?';
}

void appendText(std::string& rtf, std::string_view bytes)
{
    for (const char32_t cp : displayCodePoints(bytes)) {
        if (cp == '\\' || cp == '{' || cp == '}') {
            rtf += '\\';
            rtf += static_cast<char>(cp);
        } else if (cp == '\t') {
            rtf += "\\tab ";
        } else if (cp < 0x20 || cp == 0x7F) {
            continue; // control characters have no place inside a paragraph
        } else if (cp < 0x80) {
            rtf += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            appendUnicodeEscape(rtf, cp);
        } else {
            const char32_t v = cp - 0x10000;
            appendUnicodeEscape(rtf, 0xD800 + (v >> 10));
            appendUnicodeEscape(rtf, 0xDC00 + (v & 0x3FF));
        }
    }
}

} // namespace

std::string toRtf(const RichText& text)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
    for (const auto& line : text.lines()) {
        rtf += "\\pard\\plain\\f0\\fs" + std::to_string(line.pointSize * 2);
        if (line.bold)
            rtf += "\\b";
        if (line.underline)
            rtf += "\\ul";
        rtf += ' ';
        appendText(rtf, line.text);
        rtf += "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

void saveRtf(const std::filesystem::path& path, const RichText& text)
{
    writeFileAtomically(path, toRtf(text));
}

} // namespace kestrava
