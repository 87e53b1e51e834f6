#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// One line of the rich-text preview with the format it was appended in.
struct RichLine
{
    std::string text; // 8-bit text as the documents hold it
    int pointSize = RichLine::kDefaultSize;
    bool bold = false;
    bool underline = false;

    static constexpr int kDefaultSize = 10;

    bool operator==(const RichLine&) const = default;
};

// The rich-text preview: plain lines, each in the format that was current
// when it was appended. Format changes apply to the lines appended after
// them; bold and underline can only be added, so they accumulate until the
// text is cleared.
class RichText
{
public:
    // Empties the text and returns to the default format.
    void clear();
    void setSize(int pointSize) { m_format.pointSize = pointSize; }
    void addBold() { m_format.bold = true; }
    void addUnderline() { m_format.underline = true; }
    void appendLine(std::string_view text);

    const std::vector<RichLine>& lines() const { return m_lines; }
    // The text alone, one line per entry, each followed by LF.
    std::string plainText() const;

private:
    std::vector<RichLine> m_lines;
    RichLine m_format;
};

} // namespace kestrava
