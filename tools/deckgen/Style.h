#pragma once

#include <QColor>
#include <QString>

namespace kestrava::deckgen {

// Colours of one suit: the frame around the card and the ink of its emblem.
struct SuitStyle
{
    QColor frame;
    QColor tint; // light background of the court cards' panel
    QColor fill; // main colour of the emblem
    QColor line; // outline of the emblem
    QColor accent;
};

// Everything that makes one deck look like itself.
struct DeckStyle
{
    QString name;
    QColor majorFrame;
    QColor skyTop;
    QColor skyBottom;
    QColor gold;
    QColor goldLine;
    QColor pale;
    QColor parchment;
    QColor ink;
    QColor backField;
    QColor backPattern;
    QColor backMedallion;
    int backStarPoints = 8;
    SuitStyle suits[4];
};

DeckStyle mainDeckStyle();
DeckStyle majorsDeckStyle();

// The common card back, shown for decks without a back of their own.
DeckStyle commonBackStyle();

} // namespace kestrava::deckgen
