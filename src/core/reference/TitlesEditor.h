#pragma once

#include "core/ProgramFolder.h"
#include "core/srml/TitleSet.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

enum class TitleGroup { Majors, Blank, Minors };

// One of the 42 fields of the titles editor, in the order of the title document.
struct TitleField
{
    int index;               // line of the title document, from 0
    std::string name;        // t0..t22, EditWands.., m1..m14, m0
    std::string label;       // the caption beside the field
    std::string labelObject; // the label's own name where it has one
    std::string designText;  // what the field holds before a title set is loaded
    TitleGroup group;
    bool dropDown; // an editable drop-down with suggestions
};

const std::vector<TitleField>& titleFields();
// The suggestions of a drop-down field, in their order; empty for the others.
const std::vector<std::string>& titleSuggestionsFor(std::string_view field);

// Turns the default or the custom title set on. The document is read whole
// before any field changes, so one that is missing or short changes neither
// the fields nor the choice and stops with its error. Returns false when the
// set asked for is already in force.
bool switchTitleSet(const ProgramFolder& folder, bool wantDefault, bool& defaultInForce,
                    TitleSet& fields);

} // namespace kestrava
