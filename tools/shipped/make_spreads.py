#!/usr/bin/env python3
"""Writes the shipped spreads into data/spreads/ in the spread document format.

Positions are in the spread editor's design units: the area is 405 x 605, a
card 35 x 55, and every left and top a multiple of 5. Layouts start near the
top-left corner, because the report and the card-table picture grow with the
largest left and top.

Run from anywhere: python3 tools/shipped/make_spreads.py
"""

import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "data" / "spreads"

AREA_WIDTH, AREA_HEIGHT = 405, 605
CARD_WIDTH, CARD_HEIGHT = 35, 55


def snap(value):
    return int(5 * round(value / 5))


def row(count, top, left=5, step=40):
    return [(left + i * step, top) for i in range(count)]


def year_circle():
    # Months 1..12 clockwise from one o'clock like a clock face, the theme
    # of the year in the middle.
    centre_left, centre_top = 135, 175
    positions = []
    for month in range(1, 13):
        angle = math.radians(month * 30)
        positions.append((snap(centre_left + 130 * math.sin(angle)),
                          snap(centre_top - 170 * math.cos(angle))))
    positions.append((centre_left, centre_top))
    return positions


LIFE_AREAS = ["Self", "Home and family", "Money", "Work", "Love", "Health", "Friends",
              "Learning", "Spirit", "The road ahead"]

SPREADS = [
    {
        "title": "One Card",
        "description": [
            "A single card for the day or for one plain question.",
            "Take a breath, hold the question in mind and deal one card: its picture and "
            "text are the answer, or the theme to keep in mind until evening.",
        ],
        "meanings": ["The answer, or the theme of the day"],
        "positions": [(5, 5)],
        "comments": [
            "Good for a daily draw kept in the diary: over weeks the cards that come back "
            "again and again tell their own story.",
        ],
    },
    {
        "title": "Three Cards - Past, Present, Future",
        "description": [
            "The classic short reading, read from left to right.",
            "The first card shows what led to the question, the second where things stand "
            "now, the third where they are heading if nothing changes.",
        ],
        "meanings": ["The past: what led here", "The present: where things stand",
                     "The future: where things are heading"],
        "positions": row(3, 5),
        "comments": [
            "Read the three cards as one sentence as well as one by one.",
            "A reversed card in the future position is a warning, not a verdict: it shows "
            "what to change while there is time.",
        ],
    },
    {
        "title": "Ten-Card Cross",
        "description": [
            "The great ten-card reading: a cross of six cards for the situation and a staff "
            "of four beside it for the way forward.",
            "The heart of the matter lies in the middle with the card that crosses it on its "
            "right; below lies the root, to the left the past, above the aim, to the right "
            "the near future.",
            "The staff is read from the bottom up.",
        ],
        "meanings": ["The heart of the matter", "What crosses it", "The root below",
                     "The past that is leaving", "The aim, the best that can be reached",
                     "The near future", "You, as you stand in it", "Your surroundings",
                     "Hopes and fears", "The outcome"],
        "positions": [(45, 95), (85, 95), (65, 155), (5, 95), (65, 35), (125, 95),
                      (185, 185), (185, 125), (185, 65), (185, 5)],
        "comments": [
            "Read the cross first, then the staff, then look at the whole: many trumps point "
            "to forces beyond the querent's control, many court cards to other people.",
        ],
    },
    {
        "title": "Horseshoe",
        "description": [
            "Seven cards laid in an arch, a good reading for a decision or a plan.",
            "The arch rises from the past on the left, turns at the present obstacle on top "
            "and comes down to the outcome on the right.",
        ],
        "meanings": ["The past", "The present", "Hidden influences", "The obstacle",
                     "The people around you", "What to do", "The likely outcome"],
        "positions": [(5, 125), (45, 65), (85, 20), (125, 5), (165, 20), (205, 65),
                      (245, 125)],
        "comments": [
            "The card at the top of the arch is the key: whatever it shows must be met "
            "before the outcome can come.",
        ],
    },
    {
        "title": "Relationship",
        "description": [
            "A reading for two people, a couple, friends or partners in work.",
            "The left column speaks of you, the right of the other person; the middle "
            "column shows what joins you, where it stands and what tests it.",
        ],
        "meanings": ["You in this relationship", "The other person in it",
                     "What you feel and bring", "What the other feels and brings",
                     "What joins you", "What tests you", "Where the relationship is going"],
        "positions": [(5, 35), (125, 35), (5, 95), (125, 95), (65, 5), (65, 125), (65, 65)],
        "comments": [
            "Compare the two columns card by card: where they agree the bond is easy, where "
            "they differ there is something to talk about.",
        ],
    },
    {
        "title": "Year Ahead",
        "description": [
            "Twelve cards in a circle like a clock face, one for each of the coming twelve "
            "months, and a thirteenth in the middle for the theme of the whole year.",
            "The first card lies at one o'clock and stands for the month that begins now.",
        ],
        "meanings": [f"Month {m}" + (" (the month that begins now)" if m == 1 else "")
                     for m in range(1, 13)] + ["The theme of the year"],
        "positions": year_circle(),
        "comments": [
            "Save this reading in the diary and come back to it at the start of every month.",
            "Trumps mark the months that matter most.",
        ],
    },
    {
        "title": "Path of the Trumps",
        "description": [
            "A reading of twenty-two cards in three rows of seven and a last card apart, "
            "made for the deck of the major arcana alone but good with any deck.",
            "The first row is the mind, the second the heart, the third the body and daily "
            "life; in each row the cards go from beginning to fulfilment. The last card "
            "is where the whole path leads.",
        ],
        "meanings": [f"{area}: {stage}"
                     for area in ["Mind", "Heart", "Body"]
                     for stage in ["the starting point", "what you have learnt", "what you hold on to",
                                   "what you are building", "what you are testing",
                                   "what you are letting go", "what you are becoming"]]
                    + ["Where the path leads"],
        "positions": row(7, 5) + row(7, 65) + row(7, 125) + [(295, 65)],
        "comments": [
            "Read each row as a story of seven steps, then read the columns: the three cards "
            "of one step show how mind, heart and body keep pace with each other.",
        ],
    },
    {
        "title": "Thirty Cards - Life Survey",
        "description": [
            "The largest reading: ten areas of life, each looked at in the past, the present "
            "and the future.",
            "The top row is the past, the middle row the present and the bottom row the "
            "future; the columns from left to right are self, home and family, money, work, "
            "love, health, friends, learning, spirit and the road ahead.",
        ],
        "meanings": [f"{area} - {time}" for time in ["past", "present", "future"]
                     for area in LIFE_AREAS],
        "positions": row(10, 5) + row(10, 65) + row(10, 125),
        "comments": [
            "Take time over this one. Read each column from top to bottom, then look for the "
            "suit that rules each row.",
            "It needs a full deck of 78 cards.",
        ],
    },
]


def check(spread):
    n = len(spread["meanings"])
    assert 1 <= n <= 30, spread["title"]
    assert len(spread["positions"]) == n, spread["title"]
    for left, top in spread["positions"]:
        assert left % 5 == 0 and top % 5 == 0, (spread["title"], left, top)
        assert 5 <= left <= AREA_WIDTH - CARD_WIDTH, (spread["title"], left)
        assert 5 <= top <= AREA_HEIGHT - CARD_HEIGHT, (spread["title"], top)
    boxes = spread["positions"]
    for i, (l1, t1) in enumerate(boxes):
        for l2, t2 in boxes[i + 1:]:
            overlap = abs(l1 - l2) < CARD_WIDTH and abs(t1 - t2) < CARD_HEIGHT
            assert not overlap, (spread["title"], (l1, t1), (l2, t2))


def document(spread):
    n = len(spread["meanings"])
    lines = ['[SRML VERSION="1.0" CONTENT-TYPE="SPREAD"]', "[SPREAD]", spread["title"],
             "[/SPREAD]", "[CARDS]", str(n), "[/CARDS]", "[DESCRIPTION]"]
    lines += [line + "<br />" for line in spread["description"]]
    lines += ["[/DESCRIPTION]", "[MEANINGS]"] + spread["meanings"] + ["[/MEANINGS]"]
    lines += ["[POSITIONS]"] + [f"{left},{top}" for left, top in spread["positions"]]
    lines += ["[/POSITIONS]", "[COMMENTS]"]
    lines += [line + "<br />" for line in spread["comments"]]
    lines += ["[/COMMENTS]", "[/SRML]"]
    return "".join(line + "\r\n" for line in lines)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for spread in SPREADS:
        check(spread)
        path = OUT / (spread["title"] + ".srml")
        path.write_bytes(document(spread).encode("ascii"))


if __name__ == "__main__":
    main()
