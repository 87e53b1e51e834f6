#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

enum class CardSet { Majors22, Minors56, All78 };

// Every preference of the program with its default. The settings files read
// into it and write from it; pages bind their controls to it.
struct Preferences
{
    static constexpr std::array<std::string_view, 4> kCodePages = {"UTF-8", "iso-8859-1",
                                                                   "iso-8859-2", "windows-1251"};
    static constexpr std::array<std::string_view, 3> kDateTimeFormats = {
        "yyyy-mm-dd, hh-nn", "yyyy-mm-dd", "dd-mm-yyyy"};
    static constexpr std::string_view kDefaultFileNameTemplate = "#N, #S, #D";
    // The most blank cards a deck in play takes (EditBlankCard refuses more).
    static constexpr int kMaxBlankCards = 1000;
    // The sub-pages of "Tools": "Compare Cards", "Read Cards", "Statistics".
    static constexpr int kToolsPages = 3;

    bool defaultTitles = true;                       // "Default Card Titles"
    std::optional<std::string> selectedHiddenSource; // the hidden source list's selection
    std::optional<std::string> selectedDeck;
    CardSet cardSet = CardSet::All78;
    bool useBlankCards = false;
    bool addDateTime = true;
    bool rememberName = false;
    std::string querentName;
    int selectedSpread = -1;
    bool repeatCards = false;
    std::string fileNameTemplate{kDefaultFileNameTemplate};
    bool reversedCards = false;
    bool blankLabelEnabled = true;
    std::string blankLabel = "blank";
    bool normalLabelEnabled = true;
    std::string normalLabel = "Normal";
    bool reversedLabelEnabled = true;
    std::string reversedLabel = "Reversed";
    std::string blankCardCount = "1";
    bool fullScreenCardTable = false;
    bool rememberWindowPosition = false;
    int windowLeft = 0;
    int windowTop = 0;
    bool showCardTitles = false;
    bool showPositionNumbers = false;
    int codePage = 0; // a fresh start declares UTF-8, so a first deal never lacks a charset
    bool showMeanings = false;
    int dateTimeFormat = 0;
    bool addName = false;
    bool addQuestion = false;
    bool showFrames = false;
    bool showTexts = true;
    int editorsPage = 3;
    int preferencesPage = 0;
    std::string lastUpdateCheck = "XXX";
    int savedReadingsStore = 1; // 1 the database, 2 the diary
    bool spreadEditorRowNumbers = false;
    bool spreadEditorColumnNumbers = false;
    bool spreadEditorSolidGrid = false;
    bool spreadEditorDashedGrid = false;
    std::string associationState = "registered";
    int spreadViewPage = 1;
    int cardTableView = 0;
    bool screenshotHeader = true;
    bool screenshotFrame = true;
    bool screenshotCardNumbers = false;
    bool screenshotCardTitles = false;
    bool fullScreenManualChoice = false;
    bool faceDown = true;
    bool deckAtBottom = false;
    int toolsPage = 0;
    bool customBackAlways = false;

    // One check per description source, in the order of the source list.
    std::vector<bool> sourceChecks;

    // The charset pages declare; UTF-8 when no entry is selected.
    std::string_view codePageName() const;
    // The selected date-time format, empty when none is selected.
    std::string_view dateTimeFormatText() const;

    bool operator==(const Preferences&) const = default;
};

} // namespace kestrava
