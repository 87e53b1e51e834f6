#include "core/TextFile.h"

#include "core/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrava {

namespace fs = std::filesystem;

Lines splitLines(std::string_view text)
{
    Lines lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string joinLines(const Lines& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string readFile(const fs::path& path)
{
    const auto fail = [&](const char* what, const std::string& why) {
        return Error(std::string(what) + " \"" + path.string() + "\". " + why);
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fail("Cannot open file", std::string(std::strerror(errno)) + ".");
    struct FdCloser
    {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        throw fail("Cannot open file", std::string(std::strerror(errno)) + ".");
    if (S_ISDIR(info.st_mode))
        throw fail("Cannot open file", "It is a folder.");
    // One read of the size the file has now, then on to its end in case it grew.
    std::string text(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == text.size())
            text.resize(text.size() * 2);
        const ssize_t got = ::read(fd, text.data() + used, text.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw fail("Cannot read file", std::string(std::strerror(errno)) + ".");
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    text.resize(used);
    return text;
}

Lines readLines(const fs::path& path)
{
    return splitLines(readFile(path));
}

void writeFileAtomically(const fs::path& path, std::string_view bytes)
{
    const auto fail = [&](const std::string& why) {
        return Error("Cannot write file \"" + path.string() + "\". " + why);
    };
    static std::mt19937 tag{std::random_device{}()};
    const fs::path temp = path.string() + ".tmp" + std::to_string(tag() % 1000000);

    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out)
        throw fail(std::string(std::strerror(errno)) + ".");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const int writeErrno = errno;
    const bool flushed = std::fflush(out) == 0;
    const bool closed = std::fclose(out) == 0;
    if (!written || !flushed || !closed) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw fail(std::string(std::strerror(writeErrno ? writeErrno : errno)) + ".");
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw fail(ec.message() + ".");
    }
}

void writeLines(const fs::path& path, const Lines& lines)
{
    writeFileAtomically(path, joinLines(lines));
}

namespace {

std::vector<std::string> listEntries(const fs::path& folder, bool folders)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        const bool isFolder = it->is_directory(typeEc);
        const bool isFile = it->is_regular_file(typeEc);
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        if (folders ? isFolder : isFile)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        if (lessIgnoringCase(a, b))
            return true;
        if (lessIgnoringCase(b, a))
            return false;
        return a < b;
    });
    return names;
}

char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::vector<std::string> listFiles(const fs::path& folder)
{
    return listEntries(folder, false);
}

std::vector<std::string> listFolders(const fs::path& folder)
{
    return listEntries(folder, true);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldCase(x) == foldCase(y);
           });
}

bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldCase(x)) < static_cast<unsigned char>(foldCase(y));
    });
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos;
         pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out += to;
    }
    out.append(text, pos);
    return out;
}

} // namespace kestrava
