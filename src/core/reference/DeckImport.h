#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/jpeg/JpegFile.h"
#include "core/reference/PictureNames.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

class Prompter;

struct ImportOptions
{
    Numbering numbering = Numbering::Detect;
    // In the common numbering, trump 8 is Strength and 11 Justice; off for
    // decks that number Justice 8 and Strength 11.
    bool strengthIsEight = true;
};

// A picture offered for import: its file and the name shown for it.
struct SourcePicture
{
    std::filesystem::path file;
    std::string shownName; // relative to the folder imported, e.g. "reversed/5.jpg"
    bool inReversedFolder = false;
    bool inBlankFolder = false;
};

// The pictures of a folder (JPEG or PNG by extension, any letter case), and those of
// its sub-folders "normal", "reversed" and "blank" when it is laid out as a deck.
std::vector<SourcePicture> listImportPictures(const std::filesystem::path& folder);

struct PlacedPicture
{
    int card = 0;
    std::filesystem::path file;
    std::string shownName;
};

struct UnplacedPicture
{
    std::string shownName;
    std::string reason;
};

struct ImportPlan
{
    Numbering numbering = Numbering::Identifiers; // the one that was applied
    int deckSize = 0;                             // 78, 22, or 0 when no deck can be made
    std::vector<PlacedPicture> normal;            // by identifier
    std::vector<PlacedPicture> reversed;          // by identifier; the others are turned
    std::optional<PlacedPicture> back;
    std::optional<PlacedPicture> blank; // without one the blank card is plain white
    std::vector<UnplacedPicture> unplaced;
    std::vector<int> missing; // cards a deck of its kind still lacks

    bool complete() const { return deckSize != 0; }
    // How many reversed pictures are made by turning the normal ones.
    int turned() const;
};

ImportPlan planImport(const std::vector<SourcePicture>& pictures, const ImportOptions& options);

// What the deck page shows about the deck, written into its info.srml.
struct DeckInformation
{
    std::string designer;
    std::string year;
    std::string country;
    std::string description; // lines separated by line breaks
};

Lines deckInformationLines(const DeckInformation& information, int deckSize);

// A deck name the cards folder can hold: not empty, no path separators, no
// brackets, not starting with a dot. Throws an Error saying what is wrong.
std::string checkedDeckName(std::string_view name);

// Decodes a picture file of any kind the caller supports.
using PictureDecoder = std::function<RgbImage(const std::filesystem::path&)>;

// Builds the deck cards/<name>: normal/ and reversed/ at 144 x 233, blank/0.jpg,
// back.jpg when the plan has a back, info.srml. The deck is made in a hidden
// folder beside it and renamed at the end, so a failure leaves nothing behind.
// An existing deck of that name is replaced only when the prompter says Yes;
// returns false when it is kept. Throws on an incomplete plan or a bad name.
bool importDeck(const ProgramFolder& folder, const std::string& name, const ImportPlan& plan,
                const DeckInformation& information, const PictureDecoder& decode,
                Prompter& prompter);

// The question asked before an existing deck is replaced.
std::string replaceDeckQuestion(const std::string& name);

} // namespace kestrava
