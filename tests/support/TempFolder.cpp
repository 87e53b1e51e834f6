#include "support/TempFolder.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace kestrava::test {

namespace fs = std::filesystem;

namespace {
fs::path makeUniqueFolder()
{
    static std::atomic<int> counter{0};
    const fs::path base = fs::temp_directory_path() / "kestrava-tests";
    fs::create_directories(base);
    for (;;) {
        fs::path candidate =
            base / ("pf-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate))
            return candidate;
    }
}
} // namespace

TempProgramFolder::TempProgramFolder() : m_folder(makeUniqueFolder()) {}

TempProgramFolder::~TempProgramFolder()
{
    std::error_code ec;
    fs::permissions(root(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root(), ec);
}

fs::path TempProgramFolder::writeRaw(const std::string& relative, std::string_view bytes) const
{
    const fs::path path = root() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

fs::path TempProgramFolder::writeLines(const std::string& relative, const Lines& lines) const
{
    return writeRaw(relative, joinLines(lines));
}

std::string TempProgramFolder::readRaw(const std::string& relative) const
{
    return readFile(root() / relative);
}

void TempProgramFolder::makeDeck(const std::string& name, int normalFiles) const
{
    for (int i = 1; i <= normalFiles; ++i)
        writeRaw("cards/" + name + "/normal/" + std::to_string(i) + ".jpg", "x");
}

} // namespace kestrava::test
