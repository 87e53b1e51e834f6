#include "core/reading/RichText.h"

namespace kestrava {

void RichText::clear()
{
    m_lines.clear();
    m_format = RichLine();
}

void RichText::appendLine(std::string_view text)
{
    RichLine line = m_format;
    line.text = text;
    m_lines.push_back(std::move(line));
}

std::string RichText::plainText() const
{
    std::string text;
    for (const auto& line : m_lines) {
        text += line.text;
        text += '\n';
    }
    return text;
}

} // namespace kestrava
