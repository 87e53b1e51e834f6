#include "core/reading/PageFrame.h"

#include "core/app/Product.h"

#include <string>

namespace kestrava {

void appendPageComments(Lines& page)
{
    page.emplace_back("<!-- THIS DOCUMENT GENERATED IN KESTRAVA 9.1.21 -->");
    page.push_back("<!-- " + std::string(kProductAddress) + " -->");
}

void appendPagePreamble(Lines& page)
{
    appendPageComments(page);
    page.insert(page.end(), 100, std::string());
}

void appendPageHead(Lines& page, std::string_view charset, std::string_view title)
{
    page.emplace_back(kXhtmlDoctype);
    page.emplace_back(kXhtmlRoot);
    page.emplace_back("<head>");
    page.push_back(R"(<meta http-equiv="Content-Type" content="text/html; charset=)" +
                   std::string(charset) + R"(" />)");
    page.emplace_back("<title>");
    page.emplace_back(title);
}

void appendStylesheet(Lines& page, bool showFrames)
{
    static const char* const kBeforeFrame[] = {
        "</title>",
        "",
        R"(<style type="text/css">)",
        "<!--",
        ".com1 {color: #666699;}",
        "",
        ".b {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; color:#333333; "
        "background-color:#FBFBFB; padding:9px; margin:0px}",
        ".cp0 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
        "normal;color:#000000; text-align:justify}",
        ".cp {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
        "bold;color:#000000}",
        ".cc {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
        "normal;color:#000000}",
        ".cn {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
        "bold;color:#669900}",
        ".ic {border: 1px solid #000000;}",
        "hr {color:#000000}",
        ".tn {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
        "bold;color: #6666CC;}",
        ".style5 {font-family: Arial, Helvetica, sans-serif;font-size: 16px; font-weight: bold; "
        "text-transform: uppercase; color: #CC3333;}",
        "",
        ".des {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
        "background-color:#FFFFFF;border-color:#990000;",
        "border-width:1px;border-style:solid;padding:4px;text-align:justify}",
        ".desPREVIEW {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
        "background-color:#FFFFFF;border-color:#e7e7e7;",
        "border-width:1px;border-style:solid;padding:4px;text-align:justify}",
        ".des1 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
        "background-color:#e3e3e3;border-color:#333333;",
        "border-width:1px;border-style:solid;padding:6px;text-align:justify;}",
        ".des0 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
        "background-color:#e3e3e3;text-align:justify;}",
        "",
        ".border{border-width:1px;border-style:solid;padding:1px;border-color:#666666}",
        "",
        ".deckview, .que {background-color:#FFFFFF;border-color:#0066CC;border-width:1px;border-"
        "style:solid;padding:9px;text-align:justify; font-size:12px}",
        ".cpos{font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 10px; font-weight: "
        "normal;color:#CC0033}",
        ".v {font-size: 11px; }",
        ".v a {color: #707070; text-decoration: underline;font-size:11px}",
        ".v a:hover {color: #428000;}",
        "a {color: blue; text-decoration: underline;}",
        "a:hover {color: #428000;}",
        "",
        "/* 20080731 */",
        "#C {",
    };
    static const char* const kAfterFrame[] = {
        "}",
        "#B {",
        "\tposition:relative;",
        "\tleft:0px;",
        "\ttop:0px;",
        "\twidth:100%;",
        "",
        "\tz-index:1;",
        "\t",
        "\t",
        "/*border:1px;border-style:solid;border-color:#666666;background-color:#F8F3DA;*/",
        "}",
        "",
        ".ch {font-weight:bold;}",
        "-->",
        "</style>",
        "</head>",
    };
    page.insert(page.end(), std::begin(kBeforeFrame), std::end(kBeforeFrame));
    page.push_back("\tposition:absolute;" + std::string(12, ' ') + "/* */" + std::string(9, ' ') +
                   "padding:2px;" + std::string(9, ' ') + "width:" + std::to_string(kCardWidth) +
                   "px; /* why? 4+90+4=98 not 102 */");
    page.emplace_back("\t/*width:161px;");
    page.emplace_back("\theight:284px;*/");
    page.emplace_back("\tz-index:101; /* border:1px; border-color:#666666; border-style:solid */");
    if (showFrames)
        page.emplace_back(
            "background-color:#FFFFFF; border:1px; border-color:#006699; border-style:solid;");
    page.insert(page.end(), std::begin(kAfterFrame), std::end(kAfterFrame));
}

void appendReadingPageFrame(Lines& page, std::string_view charset, std::string_view title,
                            bool showFrames)
{
    appendPagePreamble(page);
    appendPageHead(page, charset, title);
    appendStylesheet(page, showFrames);
}

} // namespace kestrava
