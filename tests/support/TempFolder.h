#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrava::test {

// A program folder in a fresh temporary directory, removed when the test ends.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const ProgramFolder& folder() const { return m_folder; }
    const std::filesystem::path& root() const { return m_folder.root(); }

    // Writes bytes exactly as given, creating parent folders.
    std::filesystem::path writeRaw(const std::string& relative, std::string_view bytes) const;
    // Writes lines with CR LF, creating parent folders.
    std::filesystem::path writeLines(const std::string& relative, const Lines& lines) const;
    std::string readRaw(const std::string& relative) const;
    // A deck folder whose normal/ holds the given number of files.
    void makeDeck(const std::string& name, int normalFiles) const;

private:
    ProgramFolder m_folder;
};

} // namespace kestrava::test
