#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrava {

class Prompter;

// The two texts of a card as its panes show them: one entry per line the
// user broke, without the stored "<br />".
struct CardTexts
{
    Lines normal;
    Lines reversed;

    bool operator==(const CardTexts&) const = default;
};

inline constexpr std::string_view kSaveDescriptionsQuestion =
    "Save the changes to this card's descriptions?";

// A pane's text split at its hard line breaks; an empty pane has no lines.
Lines paneLines(std::string_view text);
// The lines joined for a pane, one hard break between two lines.
std::string paneText(const Lines& lines);

// The editor of descriptions/Custom.srml, card by card. It remembers the card
// it loaded and its texts as loaded, so unsaved edits are never lost unasked.
class DescriptionsEditor
{
public:
    explicit DescriptionsEditor(ProgramFolder folder) : m_folder(std::move(folder)) {}

    // Reads both sections of card n afresh, every "<br />" removed. An
    // unreadable document stops with an error and leaves no card loaded.
    CardTexts select(int card);
    std::optional<int> card() const { return m_card; }

    // Rewrites the card's two sections, one line per pane line followed by
    // "<br />", through the section replace routine; every other line of the
    // document stays as it was. Without a loaded card nothing happens. A
    // failed write stops with its error.
    void save(const CardTexts& panes);

    // Whether the panes show other text than was loaded or last saved.
    bool modified(const CardTexts& panes) const;

    // Back to no card loaded. Panes that differ from what was loaded are
    // offered for saving first; Yes saves them, any other answer drops them.
    // A failed save stops with its error and keeps the card loaded.
    void reset(const CardTexts& panes, Prompter& prompter);

private:
    ProgramFolder m_folder;
    std::optional<int> m_card;
    CardTexts m_loaded;
};

} // namespace kestrava
