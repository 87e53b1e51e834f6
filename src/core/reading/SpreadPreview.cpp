#include "core/reading/SpreadPreview.h"

#include "core/Numbers.h"
#include "core/srml/SpreadDocument.h"

#include <exception>

namespace kestrava {

Lines spreadDescriptionPage(std::string_view spreadName, std::string_view charset,
                            const Lines& description)
{
    const std::string name(spreadName);
    Lines page = {
        R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" )"
        R"("http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">)",
        R"(<html xmlns="http://www.w3.org/1999/xhtml">)",
        "<head>",
        R"(<meta http-equiv="Content-Type" content="text/html; charset=)" + std::string(charset) +
            R"(" />)",
        "<title>" + name + "</title>",
        "</head>",
        R"(<body style="font-size:12px;font-family:Verdana, Arial, Helvetica, sans-serif">)",
        R"(<span style="font-family:arial,verdana;font-size:16px;color:#3366cc;font-weight:bold">)" +
            name + "</span><br /><br />",
    };
    page.insert(page.end(), description.begin(), description.end());
    page.emplace_back("</body></html>");
    return page;
}

LayoutPlan planLayout(const Lines& positions)
{
    LayoutPlan plan;
    for (std::size_t k = 0; k < positions.size(); ++k) {
        const PositionText text = splitPosition(positions[k]);
        LayoutCard card;
        try {
            card.left = toInteger(text.left);
            card.top = toInteger(text.top);
        } catch (const std::exception& error) {
            plan.error = error.what();
            return plan;
        }
        card.number = std::to_string(k + 1);
        card.numberLeft = card.left + (k + 1 < 10 ? 15 : 12);
        card.numberTop = card.top + 22;
        plan.cards.push_back(card);
        plan.lefts.push_back(text.left);
        plan.tops.push_back(text.top);
    }
    return plan;
}

} // namespace kestrava
