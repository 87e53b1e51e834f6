#pragma once

#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/reading/Canvas.h"
#include "core/reading/Renderer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace kestrava::test {

// A reading document in the layout the deal writes, with one card at 5,5 by
// default; tests change the sections they are about.
struct ReadingBuilder
{
    std::string spread = "One Card";
    std::string person = "Anna";
    std::string dateTime = "2024-03-05, 14-07";
    Lines question;
    std::string cards = "1";
    Lines description{"A single card.<br />"};
    Lines meanings{"The heart of the matter"};
    Lines positions{"5,5"};
    Lines fortune{"5"};
    Lines mirrors{"normal"};
    Lines comments;

    Lines lines() const;
    // The same reading in the section order of a diary entry.
    Lines diaryLines() const;
};

// Every call of the card-table picture, in order.
struct CanvasCall
{
    enum Kind { Create, Rectangle, Jpeg, Text } kind = Create;
    PixelRect rect; // Create: 0,0,W,H; Rectangle: the rectangle; Jpeg: x,y,x+w,y+h
    bool filled = false;
    std::string text; // Text: the text; Jpeg: the file
    int pointSize = 0;
    TextBackground background = TextBackground::Transparent;
};

// Records the drawing; decodes each picture as the real canvas does, so a
// missing or broken picture fails the same way.
class RecordingCanvas : public Canvas
{
public:
    void create(int width, int height) override;
    void drawRectangle(const PixelRect& rect, bool filled) override;
    void drawJpeg(const std::filesystem::path& file, int x, int y) override;
    void drawText(int x, int y, std::string_view text, int pointSize,
                  TextBackground background) override;

    std::vector<CanvasCall> calls;
    std::vector<CanvasCall> ofKind(CanvasCall::Kind kind) const;
};

// A program folder with a deck "Test" whose pictures are made on demand,
// title "Title n" for card n and description sources written by the test.
class ReadingFolder : public ::testing::Test
{
protected:
    ReadingFolder();

    // A 144 x 233 picture of the card in the deck folder.
    void addPicture(const std::string& word, const std::string& id) const;
    void addPicturesOf(const ReadingBuilder& reading) const;
    // A description source: its NAME and card sections (section name → lines).
    void addSource(const std::string& name, const std::string& heading,
                   const std::map<std::string, Lines>& sections, bool checked = true);

    // Renders the reading with the preferences and sources of the fixture.
    void render(const Lines& reading, Canvas& canvas, RenderResult& result) const;
    RenderResult render(const ReadingBuilder& reading);

    std::filesystem::path deckFolder() const { return temp.folder().deckFolder("Test"); }
    std::string picture(const std::string& word, const std::string& id) const;

    TempProgramFolder temp;
    Preferences prefs;
    std::vector<std::string> sources;
    std::vector<std::string> titles;
    RecordingCanvas canvas;
};

// The index of the first line equal to text, or -1.
int indexOf(const Lines& lines, const std::string& text);
bool contains(const Lines& lines, const std::string& text);

} // namespace kestrava::test
