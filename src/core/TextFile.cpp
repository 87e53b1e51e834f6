#include "core/TextFile.h"

#include "core/Error.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <random>
#include <signal.h>
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

namespace {

// Temporary files of the save path: ".<target>.<pid>-<tag>.kestrava-tmp". The
// leading dot keeps them out of every listing; the process id tells a stale one
// (its writer is gone) from one that another running program is writing now.
constexpr std::string_view kTempSuffix = ".kestrava-tmp";

std::string errnoText(int code)
{
    return std::string(std::strerror(code)) + ".";
}

struct Fd
{
    int fd = -1;
    Fd() = default;
    explicit Fd(int value) : fd(value) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // Closes now and returns the errno of a failed close, 0 on success.
    int close()
    {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }
};

// Returns 0 or the errno of the failing write.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return errno;
        if (done == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return 0;
}

// The file a save lands in: symbolic links are followed to their target, even
// when that target does not exist yet, so the link itself stays a link.
fs::path resolveLinks(fs::path path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info = {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw Error("Cannot write file \"" + path.string() + "\". " + errnoText(ELOOP));
}

bool processIsGone(long pid)
{
    return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

// Removes what earlier saves into this folder left behind when they were
// killed: temporary files whose writing process no longer runs.
void removeStaleTemporaryFiles(const fs::path& folder)
{
    std::error_code ec;
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!isTemporaryFileName(name))
            continue;
        // ".<target>.<pid>-<tag>" before the suffix.
        const std::string_view stem =
            std::string_view(name).substr(0, name.size() - kTempSuffix.size());
        const std::size_t dot = stem.rfind('.');
        const std::size_t dash = stem.rfind('-');
        if (dot == std::string_view::npos || dot == 0 || dash == std::string_view::npos ||
            dash < dot)
            continue;
        long pid = 0;
        const auto [last, parsed] = std::from_chars(stem.data() + dot + 1, stem.data() + dash, pid);
        if (parsed != std::errc() || last != stem.data() + dash)
            continue;
        if (pid != ::getpid() && processIsGone(pid)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

// A target that exists but is no regular file (a device, a FIFO, a terminal)
// is written in place: replacing it would turn it into a plain file.
void writeInPlace(const fs::path& path, std::string_view bytes,
                  const std::function<Error(const std::string&)>& fail)
{
    // Without O_NONBLOCK opening a FIFO nobody reads would wait for ever.
    Fd out(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (out.fd < 0) {
        if (errno == ENXIO)
            throw fail("Nothing reads from it.");
        throw fail(errnoText(errno));
    }
    const int flags = ::fcntl(out.fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(out.fd, F_SETFL, flags & ~O_NONBLOCK);
    if (const int code = writeAll(out.fd, bytes))
        throw fail(errnoText(code));
    if (const int code = out.close())
        throw fail(errnoText(code));
}

} // namespace

bool isTemporaryFileName(std::string_view name)
{
    return name.size() > kTempSuffix.size() && name.front() == '.' && name.ends_with(kTempSuffix);
}

void writeFileAtomically(const fs::path& path, std::string_view bytes)
{
    const std::function<Error(const std::string&)> fail = [&](const std::string& why) {
        return Error("Cannot write file \"" + path.string() + "\". " + why);
    };

    struct stat info = {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        throw fail("It is a folder.");
    if (exists && !S_ISREG(info.st_mode)) {
        writeInPlace(path, bytes, fail);
        return;
    }

    const fs::path target = resolveLinks(path);
    const fs::path folder = target.parent_path();
    removeStaleTemporaryFiles(folder);

    static std::mt19937 tag{std::random_device{}()};
    fs::path temp;
    Fd out;
    for (int attempt = 0; out.fd < 0; ++attempt) {
        // The target's name is cut short so the temporary name stays within the
        // file system's limit on the length of a name.
        temp = folder /
               ("." + target.filename().string().substr(0, 200) + "." + std::to_string(::getpid()) +
                "-" + std::to_string(tag() % 1000000) + std::string(kTempSuffix));
        out.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (out.fd < 0 && (errno != EEXIST || attempt == 100))
            throw fail(errnoText(errno));
    }
    // Every failure below reports its own errno; removing the temporary file
    // must not replace it with the error of that cleanup.
    const auto discard = [&](int code) {
        out.close();
        ::unlink(temp.c_str());
        return fail(errnoText(code));
    };
    if (const int code = writeAll(out.fd, bytes))
        throw discard(code);
    if (exists) {
        // Keep who may read the file: a private file stays private. Only root
        // may give a file away, so a refused chown leaves the saver as owner.
        if (::fchown(out.fd, info.st_uid, info.st_gid) != 0)
            static_cast<void>(::fchown(out.fd, static_cast<uid_t>(-1), info.st_gid));
        if (::fchmod(out.fd, info.st_mode & 07777) != 0)
            throw discard(errno);
    }
    if (::fsync(out.fd) != 0)
        throw discard(errno);
    if (const int code = out.close()) {
        ::unlink(temp.c_str());
        throw fail(errnoText(code));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        throw fail(errnoText(code));
    }
    // The rename itself is durable only once the folder is synced.
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0)
        static_cast<void>(::fsync(dir.fd));
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

} // namespace

char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

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
