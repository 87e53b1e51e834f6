#pragma once

#include "core/Prompter.h"
#include "core/TextFile.h"
#include "core/srml/ReadingDocument.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrava::test {

// Answers from a script (No once it runs out, Cancel for dialogs) and keeps
// what was asked.
class ScriptPrompter : public Prompter
{
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::filesystem::path>> files;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::filesystem::path> dialogStarts;

    Answer ask(std::string_view question) override;
    void tell(std::string_view message) override;
    std::optional<std::filesystem::path>
    chooseSaveFile(std::string_view title, std::string_view filter,
                   const std::filesystem::path& start) override;
};

// A complete diary entry of n cards: card j + 1 on position j, normal, at
// places 5 + 40 × j, 5; question "Will it rain?" over two lines.
DiaryEntry diaryEntry(int cards);
// The same reading in the layout of the deal.
Lines savedReading(int cards, const std::string& person = "Anna",
                   const Lines& question = {"Will it rain?<br />"});

} // namespace kestrava::test
