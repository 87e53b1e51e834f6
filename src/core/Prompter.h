#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrava {

enum class Answer { Yes, No, Cancel };

// Every question an operation asks the user goes through this interface: the
// program answers with message boxes and dialogs, tests with scripted answers.
class Prompter
{
public:
    virtual ~Prompter() = default;
    // A Yes/No/Cancel question with the caption "What to do?".
    virtual Answer ask(std::string_view question) = 0;
    // A modal message.
    virtual void tell(std::string_view message) = 0;
    // A save dialog: the chosen file, or nothing when the user cancels.
    virtual std::optional<std::filesystem::path>
    chooseSaveFile(std::string_view title, std::string_view filter,
                   const std::filesystem::path& start) = 0;
};

} // namespace kestrava
