#pragma once

#include "core/ProgramFolder.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "core/reading/Renderer.h"
#include "core/srml/ReadingDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// The editor shows this many positions; a reading may hold more lines.
inline constexpr int kEditorPositions = 30;
inline constexpr std::string_view kChooseCardFirst = "Please choose a card first.";
inline constexpr std::string_view kDiaryFileFilter = "SRML File (.srml) (*.srml)";
inline constexpr std::string_view kDiarySaveTitle = "Save as";

// The number of entries of the card chooser for a deck of this size: the blank
// card and the 22 majors for a deck of the majors, every card otherwise.
int chooserCardCount(std::string_view deckSize);

// Where the editor places a position given as "left,top" in design units:
// left = round(4.4 × x) − 5, top = 5 × y − 5.
CardPlace editorPlace(std::string_view coordinates);

enum class DiarySaveOutcome {
    Saved,    // written over the file that was opened
    SavedAs,  // written to a file chosen in the save dialog
    Declined, // the dialog was cancelled or a replace question answered no
};

// The reading the readings editor holds, with the rules of the page and none
// of its widgets: which card lies where, setting a position, and the saves.
class ReadingEditor
{
public:
    // Makes a saved diary reading the edited one; `file` is where Save Changes
    // writes. A document that is not a complete reading is refused with an
    // error naming the file, and the editor keeps what it held.
    void open(const std::filesystem::path& file, const Lines& document,
              const std::filesystem::path& deckFolder);
    // An empty reading on a spread document, for a reading laid with a real
    // deck: no file, no person, date or question, every position unset.
    void startFromSpread(const Lines& spreadDocument, const std::filesystem::path& deckFolder);

    // The fields a user types into (person, date and time, question) are edited here.
    DiaryEntry& entry() { return m_entry; }
    const DiaryEntry& entry() const { return m_entry; }
    const std::filesystem::path& editedFile() const { return m_file; }
    const std::filesystem::path& deckFolder() const { return m_deckFolder; }

    // N, the card count, and the positions shown, 1..min(N, 30).
    int cardCount() const { return m_cards; }
    int shownPositions() const;
    CardPlace place(int position) const;
    // The card of a position, or nothing while it is unset.
    std::optional<int> cardAt(int position) const;
    std::string orientationAt(int position) const;
    // The card picture of a position from the deck folder; nothing while unset.
    std::optional<std::filesystem::path> picture(int position) const;
    // What a screen reader says of a position: "Position 3: Five of Cups,
    // reversed" or "Position 3: empty".
    std::string describe(int position, const std::vector<std::string>& titles) const;

    std::optional<int> selected() const { return m_selected; }
    void select(int position) { m_selected = position; }

    // Lays the card on the selected position, "blank" for card 0 whatever the
    // tick. Returns false when no position is selected; throws when no card is
    // chosen or the selected position lies beyond the reading.
    bool set(std::optional<int> card, bool reversed);

    // The first position whose card was never set.
    std::optional<int> firstEmptyPosition() const;
    // The "DIARY" document of the edited reading.
    Lines compose() const;

    // "Save as New": compose, then the save dialog in the diary folder; a
    // name without an extension gets ".srml", an existing file is replaced
    // only when the user says Yes. The edited file stays as it is.
    DiarySaveOutcome saveAsNew(Prompter& prompter, const ProgramFolder& folder,
                               std::filesystem::path* written = nullptr);
    // "Save Changes": over the opened file, asking first when that file changed
    // on disk since it was opened or last saved; Save as for a new reading.
    DiarySaveOutcome saveChanges(Prompter& prompter, const ProgramFolder& folder,
                                 std::filesystem::path* written = nullptr);

private:
    // Refuses a reading that has a position without a card.
    void checkComplete() const;
    void write(const std::filesystem::path& file, const Lines& document);

    DiaryEntry m_entry;
    int m_cards = 0;
    std::filesystem::path m_file;
    std::filesystem::path m_deckFolder;
    Lines m_fileLines; // the edited file as it was read or last written
    std::optional<int> m_selected;
};

} // namespace kestrava
