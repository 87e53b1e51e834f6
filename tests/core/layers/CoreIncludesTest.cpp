#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What the core must never include: the layers above it and Qt itself.
bool includesAnUpperLayer(const std::string& line)
{
    const auto hash = line.find_first_not_of(" \t");
    if (hash == std::string::npos || line.compare(hash, 1, "#") != 0)
        return false;
    const auto word = line.find_first_not_of(" \t", hash + 1);
    if (word == std::string::npos || line.compare(word, 7, "include") != 0)
        return false;
    const auto open = line.find_first_of("\"<", word + 7);
    if (open == std::string::npos)
        return false;
    const std::string name = line.substr(open + 1);
    return name.starts_with("gui/") || name.starts_with("raster/") || name.starts_with("app/") ||
           name.starts_with("Q") || name.starts_with("qt");
}

} // namespace

TEST(Layers, CoreIncludesNoGuiRasterOrQtHeader)
{
    const fs::path core = fs::path(KESTRAVA_SOURCE_DIR) / "src" / "core";
    ASSERT_TRUE(fs::is_directory(core)) << core;
    std::vector<std::string> offenders;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(core)) {
        const auto extension = entry.path().extension();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (includesAnUpperLayer(line))
                offenders.push_back(entry.path().string() + ":" + std::to_string(number) + ": " +
                                    line);
        }
    }
    EXPECT_GT(files, 10);
    EXPECT_TRUE(offenders.empty()) << ::testing::PrintToString(offenders);
}

TEST(Layers, TheCheckSeesEveryFormOfInclude)
{
    for (const char* line :
         {"#include \"gui/app/MainWindow.h\"", "#include <raster/RasterCanvas.h>",
          "  #  include <QString>", "#include \"app/desktop/x.h\"", "#include <qtextstream.h>"})
        EXPECT_TRUE(includesAnUpperLayer(line)) << line;
    for (const char* line : {"#include \"core/app/Preferences.h\"", "#include <filesystem>",
                             "// #include \"gui/x.h\"", "#include \"core/gui_free.h\""})
        EXPECT_FALSE(includesAnUpperLayer(line)) << line;
}
