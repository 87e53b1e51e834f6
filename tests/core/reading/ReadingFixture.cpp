#include "ReadingFixture.h"

#include "core/cards/Card.h"
#include "core/jpeg/JpegFile.h"
#include "core/reading/PageFrame.h"

#include <algorithm>

namespace kestrava::test {

namespace {

CanvasCall call(CanvasCall::Kind kind, PixelRect rect)
{
    CanvasCall made;
    made.kind = kind;
    made.rect = rect;
    return made;
}

void appendSection(Lines& document, const std::string& name, const Lines& lines)
{
    document.push_back("[" + name + "]");
    document.insert(document.end(), lines.begin(), lines.end());
    document.push_back("[/" + name + "]");
}

} // namespace

Lines ReadingBuilder::lines() const
{
    Lines document{R"([SRML VERSION="1.0" CONTENT-TYPE="SAVEDSPREAD"])"};
    appendSection(document, "SPREAD", {spread});
    appendSection(document, "PERSON", {person});
    appendSection(document, "DATETIME", {dateTime});
    appendSection(document, "QUESTION", question);
    appendSection(document, "CARDS", {cards});
    appendSection(document, "DESCRIPTION", description);
    appendSection(document, "MEANINGS", meanings);
    appendSection(document, "POSITIONS", positions);
    appendSection(document, "FORTUNE", fortune);
    appendSection(document, "MIRRORS", mirrors);
    appendSection(document, "COMMENTS", comments);
    document.emplace_back("[/SRML]");
    return document;
}

Lines ReadingBuilder::diaryLines() const
{
    Lines document{R"([SRML VERSION="1.0" CONTENT-TYPE="DIARY"])"};
    appendSection(document, "SPREAD", {spread});
    appendSection(document, "CARDS", {cards});
    appendSection(document, "PERSON", {person});
    appendSection(document, "DATETIME", {dateTime});
    appendSection(document, "QUESTION", question);
    appendSection(document, "DESCRIPTION", description);
    appendSection(document, "MEANINGS", meanings);
    appendSection(document, "POSITIONS", positions);
    appendSection(document, "COMMENTS", comments);
    appendSection(document, "FORTUNE", fortune);
    appendSection(document, "MIRRORS", mirrors);
    document.emplace_back("[/SRML]");
    return document;
}

void RecordingCanvas::create(int width, int height)
{
    calls.push_back(call(CanvasCall::Create, {0, 0, width, height}));
}

void RecordingCanvas::drawRectangle(const PixelRect& rect, bool filled)
{
    CanvasCall made = call(CanvasCall::Rectangle, rect);
    made.filled = filled;
    calls.push_back(made);
}

void RecordingCanvas::drawJpeg(const std::filesystem::path& file, int x, int y)
{
    const RgbImage image = decodeJpeg(file);
    CanvasCall made = call(CanvasCall::Jpeg, {x, y, x + image.width, y + image.height});
    made.text = file.string();
    calls.push_back(made);
}

void RecordingCanvas::drawText(int x, int y, std::string_view text, int pointSize,
                               TextBackground background)
{
    CanvasCall made = call(CanvasCall::Text, {x, y, x, y});
    made.text = text;
    made.pointSize = pointSize;
    made.background = background;
    calls.push_back(made);
}

std::vector<CanvasCall> RecordingCanvas::ofKind(CanvasCall::Kind kind) const
{
    std::vector<CanvasCall> result;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(result),
                 [&](const CanvasCall& call) { return call.kind == kind; });
    return result;
}

ReadingFolder::ReadingFolder()
{
    for (int id = 0; id <= 78; ++id)
        titles.push_back("Title " + std::to_string(id));
}

void ReadingFolder::addPicture(const std::string& word, const std::string& id) const
{
    const auto path = cardPicturePath(deckFolder(), word, id);
    std::filesystem::create_directories(path.parent_path());
    RgbImage image{kCardWidth, kCardHeight, {}};
    image.rgb.assign(static_cast<std::size_t>(kCardWidth) * kCardHeight * 3, 40);
    encodeJpeg(path, image);
}

void ReadingFolder::addPicturesOf(const ReadingBuilder& reading) const
{
    for (std::size_t j = 0; j < reading.fortune.size() && j < reading.mirrors.size(); ++j)
        addPicture(reading.mirrors[j], reading.fortune[j]);
}

void ReadingFolder::addSource(const std::string& name, const std::string& heading,
                              const std::map<std::string, Lines>& sections, bool checked)
{
    Lines document{"[NAME]", heading, "[/NAME]"};
    for (const auto& [section, lines] : sections)
        appendSection(document, section, lines);
    temp.writeLines("descriptions/" + name + ".srml", document);
    sources.push_back(name);
    prefs.sourceChecks.push_back(checked);
}

void ReadingFolder::render(const Lines& reading, Canvas& target, RenderResult& result) const
{
    const auto deck = deckFolder();
    const RenderInput input{temp.folder(), reading, deck, prefs, sources, titles};
    renderReading(input, target, result);
}

RenderResult ReadingFolder::render(const ReadingBuilder& reading)
{
    addPicturesOf(reading);
    RenderResult result;
    render(reading.lines(), canvas, result);
    return result;
}

std::string ReadingFolder::picture(const std::string& word, const std::string& id) const
{
    return cardPicturePath(deckFolder(), word, id).string();
}

int indexOf(const Lines& lines, const std::string& text)
{
    const auto it = std::find(lines.begin(), lines.end(), text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

bool contains(const Lines& lines, const std::string& text)
{
    return indexOf(lines, text) >= 0;
}

} // namespace kestrava::test
