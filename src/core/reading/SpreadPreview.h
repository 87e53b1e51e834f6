#pragma once

#include "core/TextFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two previews of a selected spread, without widgets: the description
// page and the plan of the layout drawing.
namespace kestrava {

Lines spreadDescriptionPage(std::string_view spreadName, std::string_view charset,
                            const Lines& description);

// One card of the layout drawing: a 35 x 55 box at the design position with
// its number, one-digit numbers standing a little further right.
struct LayoutCard
{
    int left = 0;
    int top = 0;
    std::string number;
    int numberLeft = 0;
    int numberTop = 0;
};

struct LayoutPlan
{
    std::vector<LayoutCard> cards;
    Lines lefts;
    Lines tops;
    // The message of the first line that is not two integers; the cards
    // before it are drawn, the layout lists stay as they were.
    std::optional<std::string> error;
};

LayoutPlan planLayout(const Lines& positions);

} // namespace kestrava
