#include "support/PreferenceFixtures.h"

namespace kestrava::test {

Preferences everyPreferenceChanged()
{
    Preferences p;
    p.cardSet = CardSet::Minors56;
    p.useBlankCards = true;
    p.addDateTime = false;
    p.rememberName = true;
    p.querentName = " Anna ";
    p.selectedSpread = 2;
    p.repeatCards = true;
    p.fileNameTemplate = "#S for #N";
    p.reversedCards = true;
    p.blankLabelEnabled = false;
    p.blankLabel = "empty";
    p.normalLabelEnabled = false;
    p.normalLabel = "Upright";
    p.reversedLabelEnabled = false;
    p.reversedLabel = "Upside down";
    p.blankCardCount = "3";
    p.fullScreenCardTable = true;
    p.rememberWindowPosition = true;
    p.windowLeft = 40;
    p.windowTop = 30;
    p.showCardTitles = true;
    p.showPositionNumbers = true;
    p.codePage = 3;
    p.showMeanings = true;
    p.dateTimeFormat = 2;
    p.addName = true;
    p.addQuestion = true;
    p.showFrames = true;
    p.showTexts = false;
    p.editorsPage = 1;
    p.preferencesPage = 2;
    p.lastUpdateCheck = "05.03.2024 14:07:00";
    p.savedReadingsStore = 2;
    p.spreadEditorRowNumbers = true;
    p.spreadEditorColumnNumbers = true;
    p.spreadEditorSolidGrid = true;
    p.spreadEditorDashedGrid = true;
    p.associationState = "unregistered";
    p.spreadViewPage = 0;
    p.cardTableView = 3;
    p.screenshotHeader = false;
    p.screenshotFrame = false;
    p.screenshotCardNumbers = true;
    p.screenshotCardTitles = true;
    p.fullScreenManualChoice = true;
    p.faceDown = false;
    p.deckAtBottom = true;
    p.toolsPage = 2;
    p.customBackAlways = true;
    return p;
}

} // namespace kestrava::test
