#include "DeckWriter.h"

#include "CardPainter.h"
#include "Catalogue.h"
#include "Icon.h"
#include "Splash.h"
#include "core/Error.h"
#include "core/TextFile.h"
#include "core/jpeg/JpegFile.h"

#include <QBuffer>
#include <QByteArray>
#include <string>

namespace kestrava::deckgen {
namespace {

namespace fs = std::filesystem;

// A 1 x 1 transparent GIF89a: Qt reads GIF but cannot write it.
const unsigned char kEmptyGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x21, 0xF9, 0x04,
                                   0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                   0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

Lines deckInformation(int cardCount)
{
    Lines lines = {"[DESIGNER]",
                   "The Kestrava project",
                   "[/DESIGNER]",
                   "[CARDS]",
                   std::to_string(cardCount),
                   "[/CARDS]",
                   "[YEAR]",
                   "2026",
                   "[/YEAR]",
                   "[COUNTRY]",
                   "International",
                   "[/COUNTRY]",
                   "[DESCRIPTION]"};
    if (cardCount == kDeckSize) {
        lines.push_back(
            "The program's own full deck of 78 cards, drawn for it line by line.<br />");
        lines.push_back("The 22 trumps show their numeral, an emblem under a night sky and "
                        "their title; the pip cards lay out their suit signs by number, and the "
                        "page, knight, queen and king each wear their own headgear.<br />");
    } else {
        lines.push_back("The 22 trumps of the Kestrava deck alone, under a sunset sky, for "
                        "readings with the major arcana only.<br />");
        lines.push_back("Spreads of up to 22 cards can be dealt from it.<br />");
    }
    lines.push_back("[/DESCRIPTION]");
    return lines;
}

Lines deckNotes(int cardCount)
{
    Lines lines = {"<p><b>About the colours.</b> Every card wears a frame in the colour of its "
                   "group, so a spread can be read at a glance:"};
    if (cardCount == kDeckSize) {
        lines.push_back("indigo for the trumps, red for the Wands (fire), blue for the Cups "
                        "(water), ochre for the Swords (air) and green for the Coins (earth).</p>");
    } else {
        lines.push_back("here every card is a trump, framed in deep red.</p>");
    }
    lines.push_back("<p>A reversed card is the same picture turned upside down.</p>");
    return lines;
}

} // namespace

void writeJpeg(const fs::path& path, const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage out{rgb.width(), rgb.height(), {}};
    out.rgb.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* line = rgb.constScanLine(y);
        out.rgb.insert(out.rgb.end(), line, line + static_cast<std::ptrdiff_t>(rgb.width()) * 3);
    }
    fs::create_directories(path.parent_path());
    encodeJpeg(path, out, 92);
}

void writeDeck(const fs::path& cardsFolder, const DeckStyle& style, int cardCount)
{
    const fs::path deck = cardsFolder / style.name.toStdString();
    // Stale pictures would change the deck size, which counts every file.
    fs::remove_all(deck);
    for (int id = 1; id <= cardCount; ++id) {
        const QImage card = paintCard(style, id);
        const std::string name = std::to_string(id) + ".jpg";
        writeJpeg(deck / "normal" / name, card);
        writeJpeg(deck / "reversed" / name, card.mirrored(true, true));
    }
    writeJpeg(deck / "blank" / "0.jpg", paintBlankCard(style));
    writeJpeg(deck / "back.jpg", paintBack(style));
    writeLines(deck / "info.srml", deckInformation(cardCount));
    writeLines(deck / "info.ka", deckNotes(cardCount));
}

void writePng(const fs::path& path, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw Error("Cannot draw " + path.string() + ".");
    fs::create_directories(path.parent_path());
    writeFileAtomically(path,
                        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void writeCommonFiles(const fs::path& programFolder)
{
    writeJpeg(programFolder / "cards" / "back.jpg", paintBack(commonBackStyle()));
    fs::create_directories(programFolder / "xfiles");
    writeFileAtomically(programFolder / "xfiles" / "empty.gif",
                        std::string(reinterpret_cast<const char*>(kEmptyGif), sizeof kEmptyGif));
    writeJpeg(programFolder / "xfiles" / "splash.jpg", paintSplash());
    // The icon in the layout of the desktop's icon theme, so installing it is a copy.
    for (const int size : kIconSizes) {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        writePng(programFolder / "share" / "icons" / "hicolor" / square / "apps" / "kestrava.png",
                 paintIcon(mainDeckStyle(), size));
    }
}

} // namespace kestrava::deckgen
