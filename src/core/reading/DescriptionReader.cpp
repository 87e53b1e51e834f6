#include "core/reading/DescriptionReader.h"

#include "core/Error.h"
#include "core/TextFile.h"

#include <optional>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

// Where a section's tags were last seen, as byte offsets.
struct TagScan
{
    std::string startTag;
    std::string endTag;
    std::optional<std::size_t> contentBegin; // first byte after the start tag's line end
    std::optional<std::size_t> contentEnd;   // first byte of the end tag's line

    explicit TagScan(std::string_view name) : startTag(tag("[", name)), endTag(tag("[/", name)) {}

    static std::string tag(std::string_view open, std::string_view name)
    {
        std::string text(open);
        text.append(name).push_back(']');
        return text;
    }

    // Notes a tag line that starts at begin in text.
    void see(std::string_view text, std::size_t begin)
    {
        if (isLineAt(text, begin, startTag))
            contentBegin = lineEnd(text, begin + startTag.size());
        else if (isLineAt(text, begin, endTag))
            contentEnd = begin;
    }

    static bool isLineAt(std::string_view text, std::size_t begin, std::string_view line)
    {
        // The line must end right after the tag: checking that first turns
        // away most lines of other lengths without comparing them.
        const std::size_t end = begin + line.size();
        if (end > text.size() || (end < text.size() && text[end] != '\r' && text[end] != '\n'))
            return false;
        return text.compare(begin, line.size(), line) == 0;
    }

    // The first byte after the line end at `at` (CR LF, lone CR or lone LF).
    static std::size_t lineEnd(std::string_view text, std::size_t at)
    {
        if (at < text.size())
            at += (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
        return at;
    }

    // The same lines findSection gives: nothing unless the end tag follows the
    // start tag with at least one line between them.
    Lines lines(std::string_view text) const
    {
        if (!contentBegin || !contentEnd || *contentEnd <= *contentBegin)
            return {};
        return splitLines(text.substr(*contentBegin, *contentEnd - *contentBegin));
    }
};

} // namespace

DescriptionBlock readDescriptionBlock(const fs::path& document, std::string_view sourceName,
                                      std::string_view cardSection)
{
    const std::string text = readFile(document);
    TagScan name("NAME");
    TagScan card(cardSection);
    const std::string_view all(text);
    // Only lines that start with "[" can be tags: jump from one "[" to the next.
    for (std::size_t at = all.find('['); at != std::string_view::npos; at = all.find('[', at + 1)) {
        if (at > 0 && all[at - 1] != '\r' && all[at - 1] != '\n')
            continue;
        name.see(all, at);
        card.see(all, at);
    }
    const Lines heading = name.lines(all);
    if (heading.empty())
        throw Error("The description source \"" + std::string(sourceName) +
                    "\" has no [NAME] section.");
    return {heading.front(), card.lines(all)};
}

} // namespace kestrava
