#include "core/cards/ManualChoice.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/cards/Card.h"

namespace kestrava {

TablePoint stripPlace(int back, bool hovered)
{
    return {5 + 10 * (back - 1), kStripTop + (hovered ? kHoverDrop : 0)};
}

TablePoint choicePlace(int designLeft, int designTop)
{
    return {2 * designLeft + 5, 2 * designTop + 5};
}

int shownBacks(CardSet set)
{
    switch (set) {
    case CardSet::Majors22:
        return kMajorCards;
    case CardSet::Minors56:
        return kAllCards - kMajorCards;
    case CardSet::All78:
        break;
    }
    return kAllCards;
}

bool stripScrolls(CardSet set)
{
    return set == CardSet::All78;
}

std::filesystem::path backPicture(const ProgramFolder& folder,
                                  const std::filesystem::path& deckFolder, bool customBackAlways)
{
    return customBackAlways ? folder.cards() / "back.jpg" : cardBackPath(folder, deckFolder);
}

void ManualChoice::start(CardSet set, bool faceDown, Lines fortune, Lines mirrors, Lines lefts,
                         Lines tops)
{
    m_set = set;
    m_faceDown = faceDown;
    m_fortune = std::move(fortune);
    m_mirrors = std::move(mirrors);
    m_lefts = std::move(lefts);
    m_tops = std::move(tops);
    m_remaining = total();
    m_backs.fill(Back{});
}

bool ManualChoice::isShown(int back) const
{
    return back >= 1 && back <= shownBacks(m_set);
}

bool ManualChoice::inStrip(int back) const
{
    return isShown(back) && this->back(back).position == kUnplaced;
}

bool ManualChoice::stripEnabled() const
{
    if (m_remaining <= 0)
        return false;
    // With fewer backs than cards (a reading left from an earlier deal) the
    // choice must still be able to end once the strip is empty.
    for (int k = 1; k <= shownBacks(m_set); ++k)
        if (inStrip(k))
            return true;
    return false;
}

const ManualChoice::Back& ManualChoice::back(int k) const
{
    static const Back none;
    return k >= 1 && k <= kBackCount ? m_backs[static_cast<std::size_t>(k - 1)] : none;
}

int ManualChoice::registerEntry(int back) const
{
    return this->back(back).position;
}

bool ManualChoice::isFaceUp(int back) const
{
    return this->back(back).faceUp;
}

TablePoint ManualChoice::tablePlace(int back) const
{
    return inStrip(back) ? stripPlace(back) : this->back(back).place;
}

std::optional<int> ManualChoice::pick(int back)
{
    if (!inStrip(back) || !stripEnabled())
        return std::nullopt;
    const int p = total() - m_remaining;
    const auto index = static_cast<std::size_t>(p);
    if (index >= m_lefts.size() || index >= m_tops.size())
        throw Error("The spread has no place for card " + std::to_string(p + 1) + ".");
    const TablePoint place = choicePlace(toInteger(m_lefts[index]), toInteger(m_tops[index]));
    if (!m_faceDown)
        (void)cardPicture({}, p); // a missing draw stops the pick before it lays the back
    Back& b = m_backs[static_cast<std::size_t>(back - 1)];
    b.position = p;
    b.place = place;
    b.faceUp = !m_faceDown;
    --m_remaining;
    return p;
}

bool ManualChoice::reveal(int back)
{
    if (back < 1 || back > kBackCount || this->back(back).position == kUnplaced)
        return false;
    (void)cardPicture({}, this->back(back).position);
    m_backs[static_cast<std::size_t>(back - 1)].faceUp = true;
    return true;
}

const std::string& ManualChoice::identifier(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_fortune.size()))
        throw Error("There is no card " + std::to_string(position + 1) + " in the reading.");
    return m_fortune[static_cast<std::size_t>(position)];
}

const std::string& ManualChoice::orientation(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_mirrors.size()))
        throw Error("There is no orientation of card " + std::to_string(position + 1) +
                    " in the reading.");
    return m_mirrors[static_cast<std::size_t>(position)];
}

std::filesystem::path ManualChoice::cardPicture(const std::filesystem::path& deckFolder,
                                                int position) const
{
    return cardPicturePath(deckFolder, orientation(position), identifier(position));
}

} // namespace kestrava
