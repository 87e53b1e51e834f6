#include "DiaryFixture.h"

#include "core/srml/ReadingDocument.h"

namespace kestrava::test {

Answer ScriptPrompter::ask(std::string_view question)
{
    questions.emplace_back(question);
    if (answers.empty())
        return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptPrompter::tell(std::string_view message)
{
    messages.emplace_back(message);
}

std::optional<std::filesystem::path>
ScriptPrompter::chooseSaveFile(std::string_view, std::string_view,
                               const std::filesystem::path& start)
{
    dialogStarts.push_back(start);
    if (files.empty())
        return std::nullopt;
    auto file = files.front();
    files.pop_front();
    return file;
}

DiaryEntry diaryEntry(int cards)
{
    DiaryEntry entry;
    entry.spreadName = "Line of " + std::to_string(cards);
    entry.cards = std::to_string(cards);
    entry.person = "Anna";
    entry.dateTime = "2024-03-05, 14-07";
    entry.question = {"Will it rain?", "When?"};
    entry.description = {"Cards in a row.<br />"};
    entry.comments = {"Read left to right.<br />"};
    for (int j = 0; j < cards; ++j) {
        entry.meanings.push_back("Meaning " + std::to_string(j + 1));
        entry.positions.push_back(std::to_string(5 + 40 * (j % 10)) + "," +
                                  std::to_string(5 + 60 * (j / 10)));
        entry.fortune.push_back(std::to_string(j % 78 + 1));
        entry.mirrors.emplace_back("normal");
    }
    return entry;
}

Lines savedReading(int cards, const std::string& person, const Lines& question)
{
    const DiaryEntry entry = diaryEntry(cards);
    Lines spread{"[SPREAD]", entry.spreadName, "[/SPREAD]", "[CARDS]", entry.cards, "[/CARDS]"};
    for (const auto& [name, lines] :
         {std::pair{"DESCRIPTION", entry.description}, std::pair{"MEANINGS", entry.meanings},
          std::pair{"POSITIONS", entry.positions}, std::pair{"COMMENTS", entry.comments}}) {
        spread.push_back(std::string("[") + name + "]");
        spread.insert(spread.end(), lines.begin(), lines.end());
        spread.push_back(std::string("[/") + name + "]");
    }
    DealtReading reading{entry.spreadName, person,        entry.dateTime, {},
                         spread,           entry.fortune, entry.mirrors};
    Lines document;
    composeReading(reading, document);
    // The question goes in as stored, so a test can give it any "<br />".
    Lines out;
    for (std::size_t i = 0; i < document.size(); ++i) {
        out.push_back(document[i]);
        if (document[i] == "[QUESTION]")
            out.insert(out.end(), question.begin(), question.end());
    }
    return out;
}

} // namespace kestrava::test
