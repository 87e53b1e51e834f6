#pragma once

#include "core/TextFile.h"

#include <string>
#include <string_view>

namespace kestrava {

inline constexpr std::string_view kReadingHeader =
    R"([SRML VERSION="1.0" CONTENT-TYPE="SAVEDSPREAD"])";
inline constexpr std::string_view kDiaryHeader = R"([SRML VERSION="1.0" CONTENT-TYPE="DIARY"])";

// What a deal lays into a reading.
struct DealtReading
{
    std::string spreadName;
    std::string person; // stored with blanks and control characters at both ends removed
    std::string dateTime;
    Lines question; // hard lines as typed
    Lines spread;   // the whole spread document
    Lines ids;      // draws in order; the first n are used
    Lines orientations;
};

// Appends the "SAVEDSPREAD" lines to the document. Stops with an error at a
// spread without a card count or a draw that is missing, keeping what was
// appended so far.
void composeReading(const DealtReading& reading, Lines& document);

// A diary entry as the readings editor holds it.
struct DiaryEntry
{
    std::string spreadName;
    std::string cards;
    std::string person;
    std::string dateTime;
    Lines question; // hard lines as typed
    Lines description;
    Lines meanings;
    Lines positions;
    Lines comments;
    Lines fortune;
    Lines mirrors;
};

Lines composeDiary(const DiaryEntry& entry);

// 78 when any FORTUNE line names a card beyond the majors, otherwise 22.
int requiredDeckSize(const Lines& reading);

} // namespace kestrava
