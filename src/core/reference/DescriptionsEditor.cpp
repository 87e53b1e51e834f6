#include "core/reference/DescriptionsEditor.h"

#include "core/Prompter.h"
#include "core/cards/Card.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SectionReader.h"

namespace kestrava {

namespace {

constexpr std::string_view kLineBreak = "<br />";

Lines withoutBreaks(Lines lines)
{
    for (auto& line : lines)
        line = replaceAll(std::move(line), kLineBreak, "");
    return lines;
}

Lines withBreaks(Lines lines)
{
    for (auto& line : lines)
        line += kLineBreak;
    return lines;
}

} // namespace

Lines paneLines(std::string_view text)
{
    Lines lines;
    if (text.empty())
        return lines;
    for (;;) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.emplace_back(text);
            return lines;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
}

std::string paneText(const Lines& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    return text;
}

CardTexts DescriptionsEditor::select(int card)
{
    m_card.reset();
    m_loaded = {};
    SectionSources sources(m_folder);
    CardTexts texts;
    texts.normal = withoutBreaks(sources.read(cardSectionName(card, kNormal), "CDE"));
    texts.reversed = withoutBreaks(sources.read(cardSectionName(card, kReversed), "CDE"));
    m_card = card;
    m_loaded = texts;
    return texts;
}

void DescriptionsEditor::save(const CardTexts& panes)
{
    if (!m_card)
        return;
    replaceCustomSection(m_folder, cardSectionName(*m_card, kNormal), withBreaks(panes.normal));
    replaceCustomSection(m_folder, cardSectionName(*m_card, kReversed), withBreaks(panes.reversed));
    m_loaded = panes;
}

bool DescriptionsEditor::modified(const CardTexts& panes) const
{
    // Compared as the panes show them: a section of one empty line and an
    // empty section look the same to the user.
    return m_card && (paneText(panes.normal) != paneText(m_loaded.normal) ||
                      paneText(panes.reversed) != paneText(m_loaded.reversed));
}

void DescriptionsEditor::reset(const CardTexts& panes, Prompter& prompter)
{
    if (modified(panes) && prompter.ask(kSaveDescriptionsQuestion) == Answer::Yes)
        save(panes);
    m_card.reset();
    m_loaded = {};
}

} // namespace kestrava
