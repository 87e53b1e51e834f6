#pragma once

#include <filesystem>
#include <string>

namespace kestrava {

// The folder that holds the program and every folder of its data. Passed to
// whatever touches files, so tests can point it at a temporary folder.
class ProgramFolder
{
public:
    explicit ProgramFolder(std::filesystem::path root) : m_root(std::move(root)) {}

    // The folder of the running executable.
    static ProgramFolder ofExecutable();

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path cards() const { return m_root / "cards"; }
    std::filesystem::path spreads() const { return m_root / "spreads"; }
    std::filesystem::path descriptions() const { return m_root / "descriptions"; }
    std::filesystem::path titles() const { return m_root / "titles"; }
    std::filesystem::path xfiles() const { return m_root / "xfiles"; }
    std::filesystem::path database() const { return m_root / "database"; }
    std::filesystem::path diary() const { return m_root / "diary"; }

    std::filesystem::path deckFolder(const std::string& deck) const { return cards() / deck; }
    std::filesystem::path spreadFile(const std::string& spread) const
    {
        return spreads() / (spread + ".srml");
    }
    std::filesystem::path descriptionFile(const std::string& source) const
    {
        return descriptions() / (source + ".srml");
    }
    std::filesystem::path customDescriptionFile() const { return descriptions() / "Custom.srml"; }

private:
    std::filesystem::path m_root;
};

} // namespace kestrava
