#include "core/reading/Renderer.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/app/Preferences.h"
#include "core/app/Product.h"
#include "core/cards/Card.h"
#include "core/reading/DescriptionReader.h"
#include "core/reading/PageFrame.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kestrava {

namespace {

// Design units beyond this are refused: they could only come from a damaged
// document, and they would overflow the pixel arithmetic.
constexpr int kMaxDesignUnits = 100000;
constexpr int kPictureTextSize = 9;
constexpr int kHeaderBandWith = 65;
constexpr int kHeaderBandWithout = 15;

std::string firstLine(const Lines& lines)
{
    return lines.empty() ? std::string() : lines.front();
}

int positionValue(const std::string& text, int position, const char* what)
{
    int value = 0;
    if (!tryToInteger(text, value))
        throw Error("The " + std::string(what) + " of position " + std::to_string(position) +
                    " of the reading, '" + text + "', is not a valid integer value.");
    if (value < -kMaxDesignUnits || value > kMaxDesignUnits)
        throw Error("The " + std::string(what) + " of position " + std::to_string(position) +
                    " of the reading, " + text + ", lies far outside the layout.");
    return value;
}

// One pass: the working data of a rendering and the steps that use it.
class Pass
{
public:
    Pass(const RenderInput& input, Canvas& canvas, RenderResult& result)
        : m_in(input), m_prefs(input.preferences), m_words(input.words), m_canvas(canvas),
          m_out(result)
    {
    }

    void run();

private:
    Lines section(std::string_view name) const { return findSection(m_in.reading, name); }
    Lines comments() const;
    const std::string& entry(const Lines& lines, int j, const char* sectionName) const;
    const std::string& id(int j) const { return entry(m_fortune, j, "FORTUNE"); }
    const std::string& word(int j) const { return entry(m_mirrors, j, "MIRRORS"); }
    const std::string& meaning(int j) const { return entry(m_meanings, j, "MEANINGS"); }
    const std::string& label(int j) const { return entry(m_out.labels, j, "MIRRORS"); }
    const std::string& titleOf(const std::string& idText) const;
    std::string picturePath(int j) const;
    std::string labelInParentheses(int j) const;
    const DescriptionBlock& description(int j, std::size_t source);

    void appendHeading(Lines& page, bool withQuestion) const;
    void computeLayout();
    void prepareDescriptions();
    void createPicture();
    void drawCard(int j);
    void finishPicture();
    void appendCardBox(int j);
    void appendMeanings(Lines& page);
    std::string positionLine(int j);
    std::string titleLine(int j);
    void appendReadingBlock(int j);
    void appendDescriptions(Lines& page, int j, const char* cssClass);
    void producePreview();
    void produceRichText();

    const RenderInput& m_in;
    const Preferences& m_prefs;
    const ReportWords& m_words;
    Canvas& m_canvas;
    RenderResult& m_out;

    std::string m_title;
    std::string m_date;
    std::string m_person;
    Lines m_question;
    Lines m_fortune;
    Lines m_mirrors;
    Lines m_meanings;
    int m_n = 0;
    // Positions of the checked description sources, in list order.
    std::vector<std::size_t> m_checkedSources;
    // Each card's block of each checked source, read once per pass when first
    // needed: a block is read only after the lines before it were appended, so
    // a source that cannot be read stops the pass right at its block.
    std::vector<std::vector<std::optional<DescriptionBlock>>> m_descriptions;
};

Lines Pass::comments() const
{
    // Reading the comments is the one read whose failure the pass ignores.
    try {
        return section("COMMENTS");
    } catch (const std::exception&) {
        return {};
    }
}

const std::string& Pass::entry(const Lines& lines, int j, const char* sectionName) const
{
    if (j < 1 || j > static_cast<int>(lines.size()))
        throw Error("The reading has " + std::to_string(m_n) + " cards, but its " + sectionName +
                    " section has only " + std::to_string(lines.size()) + " lines.");
    return lines[static_cast<std::size_t>(j - 1)];
}

const std::string& Pass::titleOf(const std::string& idText) const
{
    int value = -1;
    if (!tryToInteger(idText, value) || value < 0 || value > kAllCards ||
        value >= static_cast<int>(m_in.titles.size()))
        throw Error("'" + idText + "' is not a card identifier (0 to 78).");
    return m_in.titles[static_cast<std::size_t>(value)];
}

std::string Pass::picturePath(int j) const
{
    // Both texts become parts of a file path: only an identifier and one of the
    // three words keep that path inside the deck folder.
    const std::string& idText = id(j);
    int value = -1;
    if (!tryToInteger(idText, value) || value < 0 || value > kAllCards)
        throw Error("The card of position " + std::to_string(j) + " of the reading, '" + idText +
                    "', is not a card identifier (0 to 78).");
    const std::string& wordText = word(j);
    if (wordText != kNormal && wordText != kReversed && wordText != kBlank)
        throw Error("The orientation of position " + std::to_string(j) + " of the reading, '" +
                    wordText + "', is not \"normal\", \"reversed\" or \"blank\".");
    return cardPicturePath(m_in.deckFolder, wordText, idText).string();
}

std::string Pass::labelInParentheses(int j) const
{
    const std::string& text = label(j);
    return text.empty() ? text : "(" + text + ")";
}

const DescriptionBlock& Pass::description(int j, std::size_t source)
{
    auto& slot = m_descriptions[static_cast<std::size_t>(j - 1)][source];
    if (!slot) {
        const std::string& name = m_in.descriptionSources[m_checkedSources[source]];
        slot = readDescriptionBlock(m_in.folder.descriptionFile(name), name,
                                    cardSectionName(id(j), word(j)));
    }
    return *slot;
}

void Pass::appendHeading(Lines& page, bool withQuestion) const
{
    page.push_back(R"(<body class="b"><a id="top" name="top"></a><span class="style5">)" + m_title +
                   "</span><br />");
    if (m_prefs.addDateTime)
        page.push_back("<br /><b>" + m_words.dateCaption + ": </b>" + m_date + "<br />");
    if (m_prefs.addName && !m_person.empty())
        page.push_back("<br /><b>" + m_words.nameCaption + ": " + m_person + "</b><br />");
    if (withQuestion && !m_question.empty()) {
        page.push_back("<br /><b>" + m_words.questionCaption +
                       R"(:</b><br /><br /><div class="que">)");
        page.insert(page.end(), m_question.begin(), m_question.end());
        page.emplace_back("</div>");
    }
}

void Pass::computeLayout()
{
    m_fortune = section("FORTUNE");
    m_mirrors = section("MIRRORS");
    m_out.labels = orientationLabels(m_mirrors, m_prefs);
    m_n = cardCount(section("CARDS"));
    if (m_n <= 0)
        throw Error("The reading has " + std::to_string(m_n) +
                    " cards: a reading needs at least one card.");
    const Lines positions = section("POSITIONS");

    Layout layout;
    for (int j = 1; j <= m_n; ++j) {
        const PositionText text = splitPosition(entry(positions, j, "POSITIONS"));
        const int left = positionValue(text.left, j, "left");
        const int top = positionValue(text.top, j, "top");
        layout.places.push_back({static_cast<int>(std::lround(left * 4.4)) - 5, top * 5 - 5});
    }
    int k = 0;
    for (const auto& line : positions) {
        const PositionText text = splitPosition(line);
        ++k;
        layout.maxLeft = std::max(layout.maxLeft, positionValue(text.left, k, "left"));
        layout.maxTop = std::max(layout.maxTop, positionValue(text.top, k, "top"));
    }
    layout.choiceRangeY = layout.maxTop * 2 + 130;
    layout.choiceRangeX = layout.maxLeft * 2 + 90;
    layout.height = layout.maxTop * 5 + 290;
    layout.headerBand = m_prefs.screenshotHeader ? kHeaderBandWith : kHeaderBandWithout;
    layout.pictureWidth = static_cast<int>(std::floor(layout.maxLeft * 4.4)) + 180;
    layout.pictureHeight = layout.height + layout.headerBand;
    m_out.layout = std::move(layout);
}

void Pass::prepareDescriptions()
{
    m_checkedSources.clear();
    const std::size_t count = std::min(m_prefs.sourceChecks.size(), m_in.descriptionSources.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (m_prefs.sourceChecks[k])
            m_checkedSources.push_back(k);
    }
    m_descriptions.assign(static_cast<std::size_t>(std::max(m_n, 0)),
                          std::vector<std::optional<DescriptionBlock>>(m_checkedSources.size()));
}

void Pass::createPicture()
{
    const Layout& layout = m_out.layout;
    m_canvas.create(layout.pictureWidth, layout.pictureHeight);
    m_out.pictureCreated = true;
    if (m_prefs.screenshotFrame)
        m_canvas.drawRectangle({0, 0, layout.pictureWidth, layout.pictureHeight}, true);
}

void Pass::drawCard(int j)
{
    const CardPlace place = m_out.layout.places[static_cast<std::size_t>(j - 1)];
    const int x = place.x;
    const int y = place.y + m_out.layout.headerBand;
    m_canvas.drawJpeg(picturePath(j), x, y);
    m_canvas.drawRectangle({x - 1, y - 1, x + kCardWidth + 1, y + kCardHeight + 1}, false);
    if (m_prefs.screenshotCardNumbers)
        m_canvas.drawText(x + 70, y - 20, std::to_string(j), kPictureTextSize,
                          TextBackground::Transparent);
    if (m_prefs.screenshotCardTitles)
        m_canvas.drawText(x + 35, y + 239, titleOf(id(j)), kPictureTextSize,
                          TextBackground::Transparent);
}

void Pass::finishPicture()
{
    const int height = m_out.layout.pictureHeight;
    if (m_prefs.screenshotHeader) {
        m_canvas.drawText(10, 10, m_title, kPictureTextSize, TextBackground::Transparent);
        m_canvas.drawText(10, 25, "Date: " + m_date, kPictureTextSize, TextBackground::Transparent);
        m_canvas.drawText(10, 40, "Person: " + m_person, kPictureTextSize,
                          TextBackground::Transparent);
    }
    m_canvas.drawText(10, height - 35, kGeneratedIn, kPictureTextSize, TextBackground::White);
    m_canvas.drawText(10, height - 20, kProductAddress, kPictureTextSize, TextBackground::White);
}

void Pass::appendCardBox(int j)
{
    Lines& page = m_out.report;
    const CardPlace place = m_out.layout.places[static_cast<std::size_t>(j - 1)];
    const std::string number = std::to_string(j);
    page.push_back(R"(<div id="C" align="center" style="left:)" + std::to_string(place.x) +
                   "px; top:" + std::to_string(place.y) + R"(px">)");
    if (m_prefs.showPositionNumbers)
        page.push_back(R"(<span class="cp">)" + number + "</span><br />");
    page.push_back(R"(<a href="#a)" + number + R"(">)");
    page.push_back(R"(<img class="ic" src=")" + picturePath(j) + R"(" width=")" +
                   std::to_string(kCardWidth) + R"(" height=")" + std::to_string(kCardHeight) +
                   R"(" border="0" alt="" /></a>)");
    if (m_prefs.showCardTitles)
        page.push_back(R"(<span class="cn">)" + titleOf(id(j)) +
                       R"(</span><br /><span class="cpos">)" + label(j) + "</span>");
    page.emplace_back("</div>");
}

void Pass::appendMeanings(Lines& page)
{
    page.push_back("<br /><strong>" + m_words.spreadHeading +
                   R"(:</strong><br /><br /><span class="cp0">)");
    for (int j = 1; j <= m_n; ++j) {
        const std::string number = std::to_string(j);
        page.push_back(R"(<a href="#a)" + number + R"(" class="CL">)" + m_words.cardWord + " " +
                       number + "</a>: " + meaning(j) + "<br />");
    }
    page.emplace_back("</span>");
}

std::string Pass::positionLine(int j)
{
    const std::string number = std::to_string(j);
    return R"(<span class="cp"><a id="a)" + number + R"(" name="a)" + number + R"("></a>)" +
           m_words.cardWord + " " + number + ": " + meaning(j) + "</span>";
}

std::string Pass::titleLine(int j)
{
    return R"(<span class="tn">)" + titleOf(id(j)) + R"(<span class="cpos"> )" +
           labelInParentheses(j) + "</span></span>";
}

void Pass::appendDescriptions(Lines& page, int j, const char* cssClass)
{
    for (std::size_t source = 0; source < m_checkedSources.size(); ++source) {
        page.push_back(R"(<div class=")" + std::string(cssClass) +
                       R"(" style="margin-bottom:5px">)");
        const DescriptionBlock& block = description(j, source);
        page.push_back(R"(<div style="margin-top:5px; font-weight:bold; color:#666666">)" +
                       block.heading + ":</div><br />");
        page.insert(page.end(), block.body.begin(), block.body.end());
        page.emplace_back("</div>");
    }
}

void Pass::appendReadingBlock(int j)
{
    Lines& page = m_out.report;
    page.emplace_back(
        R"(<div class="border"><table width="99%" border="0" cellspacing="0" cellpadding="4">)");
    page.push_back(R"(<tr><td colspan="2">)" + positionLine(j) + "</td></tr>");
    page.push_back(R"(<tr><td colspan="2">)" + titleLine(j) + "</td></tr>");
    page.push_back(R"(<tr><td width=")" + std::to_string(kCardWidth) + R"(" valign="top">)" +
                   R"(<img class="ic" src=")" + picturePath(j) + R"(" width=")" +
                   std::to_string(kCardWidth) + R"(" height=")" + std::to_string(kCardHeight) +
                   R"(" border="0" alt="" />)" + R"(</td><td valign="top" width="100%">)");
    appendDescriptions(page, j, "des");
    page.push_back(R"(</td></tr><tr><td class="v"><a href="#top">)" + m_words.backLink +
                   "</a></td><td></td></tr></table></div><br />");
}

void Pass::producePreview()
{
    Lines& page = m_out.preview;
    page.clear();
    appendReadingPageFrame(page, m_prefs.codePageName(), m_title, m_prefs.showFrames);
    appendHeading(page, true);
    appendMeanings(page);
    page.push_back("<p><strong>" + m_words.readingHeading + ":</strong></p>");
    for (int j = 1; j <= m_n; ++j) {
        page.emplace_back(
            R"(<div class="border"><table width="99%" border="0" cellspacing="0" cellpadding="4">)");
        page.push_back(R"(<tr><td colspan="2">)" + positionLine(j) + "</td></tr>");
        page.push_back(R"(<tr><td colspan="2">)" + titleLine(j) + "</td></tr><tr>");
        page.emplace_back(R"(<td valign="top" width="100%">)");
        appendDescriptions(page, j, "desPREVIEW");
        page.emplace_back("</td></tr></table></div><br />");
    }
    const Lines commentLines = comments();
    page.insert(page.end(), commentLines.begin(), commentLines.end());
    page.emplace_back("---------<br />");
    page.emplace_back(kGeneratedIn);
    const std::string address(kProductAddress);
    page.push_back(R"(<br /><a href=")" + address + R"(" target="_blank">)" + address + "</a>");
    page.emplace_back("<br /></body></html>");
}

void Pass::produceRichText()
{
    RichText& text = m_out.richText;
    text.clear();
    text.setSize(15);
    text.addBold();
    text.appendLine(m_title);
    text.appendLine("");
    if (m_prefs.addDateTime) {
        text.appendLine(m_words.dateCaption + ": " + m_date);
        text.appendLine("");
    }
    if (m_prefs.addName && !m_person.empty()) {
        text.appendLine(m_words.nameCaption + ": " + m_person);
        text.appendLine("");
    }
    if (!m_question.empty()) {
        text.appendLine(m_words.questionCaption + ":");
        text.appendLine("");
        for (const auto& line : m_question)
            text.appendLine(plainLine(line));
        text.appendLine("");
    }
    text.setSize(13);
    text.appendLine(m_words.spreadHeading + ":");
    text.appendLine("");
    for (int j = 1; j <= m_n; ++j) {
        text.addBold();
        text.appendLine(m_words.cardWord + " " + std::to_string(j) + ": " + meaning(j));
    }
    text.appendLine("");
    text.setSize(13);
    text.appendLine(m_words.readingHeading + ":");
    for (int j = 1; j <= m_n; ++j) {
        text.addBold();
        text.appendLine("");
        text.appendLine(m_words.cardWord + " " + std::to_string(j) + ": " + meaning(j));
        text.appendLine("");
        text.addBold();
        text.addUnderline();
        text.appendLine(titleOf(id(j)) + " " + labelInParentheses(j));
        text.appendLine("");
        for (std::size_t source = 0; source < m_checkedSources.size(); ++source) {
            text.addUnderline();
            const DescriptionBlock& block = description(j, source);
            text.appendLine(block.heading + ":");
            for (const auto& line : block.body)
                text.appendLine(plainLine(line));
        }
    }
    for (const auto& line : comments())
        text.appendLine(plainLine(line));
    text.appendLine("");
    text.appendLine("---------");
    text.appendLine(kGeneratedIn);
    text.appendLine(kProductAddress);
}

void Pass::run()
{
    m_title = firstLine(section("SPREAD"));
    m_date = m_prefs.addDateTime ? firstLine(section("DATETIME")) : std::string();
    m_person = firstLine(section("PERSON"));
    m_question = section("QUESTION");

    Lines& page = m_out.report;
    page.clear();
    appendReadingPageFrame(page, m_prefs.codePageName(), m_title, m_prefs.showFrames);
    appendHeading(page, m_prefs.addQuestion);
    page.emplace_back("<br />");

    computeLayout();
    prepareDescriptions();
    createPicture();
    page.push_back(R"(<hr /><div id="B" style="height:)" + std::to_string(m_out.layout.height) +
                   R"(px;">)");
    for (int j = 1; j <= m_n; ++j) {
        drawCard(j);
        appendCardBox(j);
    }
    finishPicture();
    page.emplace_back("</div><hr />");

    m_meanings = section("MEANINGS");
    if (m_prefs.showMeanings)
        appendMeanings(page);
    if (m_prefs.showTexts) {
        page.push_back("<p><strong>" + m_words.readingHeading + ":</strong></p>");
        for (int j = 1; j <= m_n; ++j)
            appendReadingBlock(j);
        const Lines commentLines = comments();
        page.insert(page.end(), commentLines.begin(), commentLines.end());
    }

    producePreview();
    produceRichText();

    m_out.fortune = m_fortune;
    m_out.mirrors = m_mirrors;
    page.emplace_back("<br /></body></html>");
}

} // namespace

Lines orientationLabels(const Lines& mirrors, const Preferences& preferences)
{
    Lines labels;
    labels.reserve(mirrors.size());
    for (const auto& line : mirrors) {
        std::string label = replaceAll(
            line, kBlank, preferences.blankLabelEnabled ? preferences.blankLabel : std::string());
        label =
            replaceAll(std::move(label), kNormal,
                       preferences.normalLabelEnabled ? preferences.normalLabel : std::string());
        label = replaceAll(std::move(label), kReversed,
                           preferences.reversedLabelEnabled ? preferences.reversedLabel
                                                            : std::string());
        labels.push_back(std::move(label));
    }
    return labels;
}

void renderReading(const RenderInput& input, Canvas& canvas, RenderResult& result)
{
    result.pictureCreated = false;
    Pass(input, canvas, result).run();
}

} // namespace kestrava
