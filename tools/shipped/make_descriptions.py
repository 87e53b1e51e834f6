#!/usr/bin/env python3
"""Writes the shipped card description sources into data/descriptions/.

Kestrava.srml holds the full texts, Keywords.srml a short line for every card
and orientation, Custom.srml every section empty apart from its name, so the
descriptions editor can save any card. Description documents carry no header
or trailer; every text line ends in "<br />" as the editor writes it.

Run from anywhere: python3 tools/shipped/make_descriptions.py
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import card_texts  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "data" / "descriptions"


def section(name, lines):
    return [f"[{name}]"] + lines + [f"[/{name}]"]


def card(card_id, word):
    return f'CARD ID="{card_id}" TYPE="{word}"'


def text_lines(text):
    return [line + "<br />" for line in text.split("\n")] if text else []


def document(display_name, blank, cards):
    """cards: list of 78 (normal text, reversed text) pairs."""
    lines = section("NAME", [display_name])
    lines += section(card(0, "BLANK"), text_lines(blank))
    for card_id, (normal, reversed_) in enumerate(cards, start=1):
        lines += section(card(card_id, "NORMAL"), text_lines(normal))
        lines += section(card(card_id, "REVERSED"), text_lines(reversed_))
    return "".join(line + "\r\n" for line in lines)


def main():
    entries = card_texts.MAJORS + card_texts.MINORS
    assert len(entries) == 78
    documents = {
        "Kestrava": document("Kestrava", card_texts.BLANK[0],
                             [(normal, reversed_) for normal, reversed_, _, _ in entries]),
        "Keywords": document("Keywords", card_texts.BLANK[1],
                             [(normal, reversed_) for _, _, normal, reversed_ in entries]),
        "Custom": document("Custom", "", [("", "")] * 78),
    }
    OUT.mkdir(parents=True, exist_ok=True)
    for name, text in documents.items():
        (OUT / (name + ".srml")).write_bytes(text.encode("ascii"))


if __name__ == "__main__":
    main()
