#include "core/reading/PageFrame.h"

#include <gtest/gtest.h>

namespace kestrava {
namespace {

// The stylesheet block exactly as every page carries it, with the frame line.
const Lines kStylesheetWithFrame = {
    "</title>",
    "",
    "<style type=\"text/css\">",
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
    ".deckview, .que {background-color:#FFFFFF;border-color:#0066CC;border-width:1px;"
    "border-style:solid;padding:9px;text-align:justify; font-size:12px}",
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
    "\tposition:absolute;            /* */         padding:2px;         width:144px; /* why? "
    "4+90+4=98 not 102 */",
    "\t/*width:161px;",
    "\theight:284px;*/",
    "\tz-index:101; /* border:1px; border-color:#666666; border-style:solid */",
    "background-color:#FFFFFF; border:1px; border-color:#006699; border-style:solid;",
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

TEST(Stylesheet, WithFramesIsTheFullBlockOf58Lines)
{
    Lines page;
    appendStylesheet(page, true);
    ASSERT_EQ(page.size(), 58u);
    EXPECT_EQ(page, kStylesheetWithFrame);
}

TEST(Stylesheet, WithoutFramesLacksOnlyTheFrameLine)
{
    Lines expected = kStylesheetWithFrame;
    expected.erase(expected.begin() + 40);
    Lines page;
    appendStylesheet(page, false);
    ASSERT_EQ(page.size(), 57u);
    EXPECT_EQ(page, expected);
    EXPECT_EQ(page[39],
              "\tz-index:101; /* border:1px; border-color:#666666; border-style:solid */");
    EXPECT_EQ(page[40], "}");
}

TEST(Stylesheet, AppendsAfterWhatIsThere)
{
    Lines page{"before"};
    appendStylesheet(page, false);
    EXPECT_EQ(page.front(), "before");
    EXPECT_EQ(page[1], "</title>");
}

TEST(ReadingPageFrame, PreambleHeadAndTitleLineByLine)
{
    Lines page;
    appendReadingPageFrame(page, "windows-1251", "Celtic <Cross> & more", false);
    ASSERT_EQ(page.size(), 102u + 6u + 57u);
    EXPECT_EQ(page[0], "<!-- THIS DOCUMENT GENERATED IN KESTRAVA 9.1.21 -->");
    EXPECT_EQ(page[1], "<!-- https://kestrava.example -->");
    for (std::size_t i = 2; i < 102; ++i)
        EXPECT_EQ(page[i], "") << "line " << i + 1;
    EXPECT_EQ(page[102], "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">");
    EXPECT_EQ(page[103], "<html xmlns=\"http://www.w3.org/1999/xhtml\">");
    EXPECT_EQ(page[104], "<head>");
    EXPECT_EQ(page[105],
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\" />");
    EXPECT_EQ(page[106], "<title>");
    // The title is written as it stands, unescaped.
    EXPECT_EQ(page[107], "Celtic <Cross> & more");
    EXPECT_EQ(page[108], "</title>");
    EXPECT_EQ(page.back(), "</head>");
}

TEST(PageComments, AreTheTwoCommentLinesAlone)
{
    Lines page;
    appendPageComments(page);
    EXPECT_EQ(page, (Lines{"<!-- THIS DOCUMENT GENERATED IN KESTRAVA 9.1.21 -->",
                           "<!-- https://kestrava.example -->"}));
}

} // namespace
} // namespace kestrava
