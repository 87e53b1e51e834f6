#include "core/reference/ReferencePage.h"

#include "core/app/Preferences.h"
#include "core/reading/PageFrame.h"

#include <string>

namespace kestrava {

void appendReferencePageStart(Lines& page, const Preferences& preferences, std::string_view title)
{
    appendPageComments(page);
    page.emplace_back(kXhtmlDoctype);
    page.emplace_back(kXhtmlRoot);
    page.emplace_back("<head>");
    page.push_back(R"(<meta http-equiv="Content-Type" content="text/html; charset=)" +
                   std::string(preferences.codePageName()) + R"(" />)");
    page.push_back("<title>" + std::string(title));
    appendStylesheet(page, preferences.showFrames);
    page.emplace_back(R"(<body class="b"><br /><span class="style5">)");
    page.push_back(std::string(title) + "</span><br /><br />");
}

} // namespace kestrava
