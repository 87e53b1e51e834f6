#include "core/reading/DescriptionReader.h"

#include "core/Error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
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

    void see(std::string_view line, std::size_t begin, std::size_t next)
    {
        if (line == startTag)
            contentBegin = next;
        else if (line == endTag)
            contentEnd = begin;
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

std::string readWholeFile(const fs::path& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw Error("Cannot open file \"" + path.string() + "\". It is a folder.");
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        throw Error("Cannot open file \"" + path.string() + "\". " + std::strerror(errno) + ".");
    std::string text;
    const auto size = fs::file_size(path, ec);
    text.resize(ec ? 0 : static_cast<std::size_t>(size));
    std::size_t used = std::fread(text.data(), 1, text.size(), file.get());
    // The file may have grown since its size was taken: read on to its end.
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        text.resize(used);
        text.append(buffer, got);
        used += got;
    }
    if (std::ferror(file.get()))
        throw Error("Cannot read file \"" + path.string() + "\".");
    text.resize(used);
    return text;
}

DescriptionBlock readDescriptionBlock(const fs::path& document, std::string_view sourceName,
                                      std::string_view cardSection)
{
    const std::string text = readWholeFile(document);
    TagScan name("NAME");
    TagScan card(cardSection);
    const std::string_view all(text);
    // Only lines that start with "[" can be tags: jump from one "[" to the next.
    for (std::size_t at = all.find('['); at != std::string_view::npos; at = all.find('[', at + 1)) {
        if (at > 0 && all[at - 1] != '\r' && all[at - 1] != '\n')
            continue;
        std::size_t end = at;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n')
            ++end;
        std::size_t next = end;
        if (next < all.size())
            next += (all[next] == '\r' && next + 1 < all.size() && all[next + 1] == '\n') ? 2 : 1;
        const std::string_view line = all.substr(at, end - at);
        name.see(line, at, next);
        card.see(line, at, next);
    }
    const Lines heading = name.lines(all);
    if (heading.empty())
        throw Error("The description source \"" + std::string(sourceName) +
                    "\" has no [NAME] section.");
    return {heading.front(), card.lines(all)};
}

} // namespace kestrava
