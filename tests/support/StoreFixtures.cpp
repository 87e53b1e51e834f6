#include "support/StoreFixtures.h"

#include "core/srml/ReadingDocument.h"

namespace kestrava::test {

ReadingFacts ReadingFacts::on(std::string text) const
{
    ReadingFacts facts = *this;
    facts.dateTime = std::move(text);
    return facts;
}

ReadingFacts ReadingFacts::of(std::string name) const
{
    ReadingFacts facts = *this;
    facts.spread = std::move(name);
    return facts;
}

ReadingFacts ReadingFacts::meaning(std::vector<std::string> texts) const
{
    ReadingFacts facts = *this;
    facts.meanings = std::move(texts);
    return facts;
}

ReadingFacts laid(std::vector<Laid> cards)
{
    ReadingFacts facts;
    facts.cards = std::move(cards);
    return facts;
}

std::filesystem::path writeReading(const TempProgramFolder& home, Store store,
                                   const std::string& name, const ReadingFacts& facts)
{
    DiaryEntry entry;
    entry.spreadName = facts.spread;
    entry.cards = std::to_string(facts.cards.size());
    entry.person = "Anna";
    entry.dateTime = facts.dateTime;
    entry.question = {"What comes?"};
    for (std::size_t j = 0; j < facts.cards.size(); ++j) {
        entry.meanings.push_back(j < facts.meanings.size() ? facts.meanings[j]
                                                           : "Meaning " + std::to_string(j + 1));
        entry.positions.push_back(std::to_string(5 + 40 * j) + ",5");
        const Laid& laid = facts.cards[j];
        // A position not laid yet is an empty line in both lists, as the diary keeps it.
        entry.fortune.push_back(laid.card < 0 ? "" : std::to_string(laid.card));
        entry.mirrors.emplace_back(laid.card < 0    ? ""
                                   : laid.card == 0 ? "blank"
                                   : laid.reversed  ? "reversed"
                                                    : "normal");
    }
    Lines document = composeDiary(entry);
    const bool diary = store == Store::Diary;
    if (!diary)
        document.front() = std::string(kReadingHeader);
    return home.writeLines((diary ? "diary/" : "database/") + name + ".srml", document);
}

} // namespace kestrava::test
