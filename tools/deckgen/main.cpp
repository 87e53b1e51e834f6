// deckgen: draws the program's shipped decks and pictures, or a contact sheet
// of a deck folder.
//
//   deckgen --out FOLDER
//       writes cards/Kestrava/, cards/Kestrava Majors/, cards/back.jpg,
//       xfiles/empty.gif, xfiles/splash.jpg and the icon in share/icons/ under FOLDER
//   deckgen --contact-sheet FILE.png DECK_FOLDER [--columns N] [--size W H]
//       draws every picture of a deck on one sheet (default 10 columns of 70 x 110)

#include "Catalogue.h"
#include "ContactSheet.h"
#include "DeckWriter.h"
#include "Style.h"
#include "core/Error.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fputs("usage: deckgen --out FOLDER\n"
               "       deckgen --contact-sheet FILE.png DECK_FOLDER [--columns N] [--size W H]\n",
               stderr);
    return 2;
}

int run(const std::vector<std::string>& args)
{
    using namespace kestrava::deckgen;
    if (args.size() == 2 && args[0] == "--out") {
        const std::filesystem::path out = args[1];
        writeDeck(out / "cards", mainDeckStyle(), kDeckSize);
        writeDeck(out / "cards", majorsDeckStyle(), kMajorCount);
        writeCommonFiles(out);
        return 0;
    }
    if (args.size() >= 3 && args[0] == "--contact-sheet") {
        int columns = 10;
        QSize size(70, 110);
        for (std::size_t i = 3; i < args.size(); ++i) {
            if (args[i] == "--columns" && i + 1 < args.size()) {
                columns = std::stoi(args[++i]);
            } else if (args[i] == "--size" && i + 2 < args.size()) {
                size = QSize(std::stoi(args[i + 1]), std::stoi(args[i + 2]));
                i += 2;
            } else {
                return usage();
            }
        }
        const QImage sheet = paintContactSheet(args[2], columns, size);
        if (!sheet.save(QString::fromStdString(args[1]))) {
            throw kestrava::Error("Cannot write " + args[1] + ".");
        }
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing text needs a platform for fonts, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "deckgen: %s\n", error.what());
        return 1;
    }
}
