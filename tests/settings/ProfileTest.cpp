#include "shell/settings/Profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vellicor {
namespace {

using namespace std::string_literals;

TEST(ProfileRead, FindsTheFirstKeyOfTheFirstSectionWithoutRegardToCaseOrBlanks)
{
    const ProfileText file("\xEF\xBB\xBF; notes\r\niStep=9\r\n[Other]\r\nwMaxHor=50\r\n[Vellicorx]\r\niIterLimit=5\r\n"
                           "  [ vellicor ]  \r\n\tWMAXHOR = 21 \r\n;iLanguage=0\r\njunk line\r\nwMaxHor=22\r\n"
                           "iMosa\0icY=6\r\n\0[x]\r\niMosaicY=4\r\n[VELLICOR]\r\nbPlane=1"s);
    EXPECT_EQ(21, GetProfileInt(file, "Vellicor", "wMaxHor", -1));
    EXPECT_EQ(50, GetProfileInt(file, "OTHER", "wmaxhor", -1));
    EXPECT_EQ(4, GetProfileInt(file, "Vellicor", "iMosaicY", -1));    // a NUL is one more character
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "iIterLimit", -1)); // [Vellicorx] is another section
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "iStep", -1));      // above every section
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "iLanguage", -1));  // a comment
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "bPlane", -1));     // in the repeated section
    EXPECT_EQ(-1, GetProfileInt(file, "Missing", "wMaxHor", -1));
}

TEST(ProfileRead, ParsesIntegersAsTheOldProfileFunctionsDidAndSaturates)
{
    struct Case {
        std::string text;
        int32_t expected;
    };
    const Case cases[] = {
        {"-7", -7}, {"+3", 3}, {" \t5", 5}, {"12 ; note", 12}, {"12abc", 12}, {"0x10", 0}, {"1\0" "2"s, 1},
        {"-2147483648", INT32_MIN}, {"2147483648", INT32_MAX}, {"-99999999999999999999999", INT32_MIN},
        {"", -1}, {"abc", -1}, {"-", -1}, {"+ 5", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ParseProfileInt(c.text, -1)) << "text: " << c.text;
}

TEST(ProfileWrite, ReplacesInPlaceAndAddsAfterTheSectionsLastKey)
{
    ProfileText file("; my notes\n[Vellicor]\n  wMaxHor =  14   \nx=1\n; about Other\n\n[Other]\nb=2\n");
    ASSERT_TRUE(file.Set("vellicor", "WMAXHOR", "21"));
    ASSERT_TRUE(file.Set("Vellicor", "c", "3"));
    ASSERT_TRUE(file.Set("Vellicor", "d", "4"));
    ASSERT_TRUE(file.Set("Vellicor", "C", "5")); // the key just added, not a third one
    EXPECT_EQ("; my notes\n[Vellicor]\n  wMaxHor =  21   \nx=1\nc=5\nd=4\n; about Other\n\n[Other]\nb=2\n", file.Text());
    EXPECT_EQ("5", file.Find("Vellicor", "c").value());

    ProfileText empty("[Vellicor]\n\n[Other]\n");
    ASSERT_TRUE(empty.Set("Vellicor", "a", "1"));
    EXPECT_EQ("[Vellicor]\na=1\n\n[Other]\n", empty.Text());
}

TEST(ProfileWrite, NewSectionsAndKeysUseTheFilesLineEnds)
{
    ProfileText crlf("[Other]\r\nb=2");
    ASSERT_TRUE(crlf.Set("Vellicor", "a", "1"));
    ASSERT_TRUE(crlf.Set("Other", "c", "3"));
    EXPECT_EQ("[Other]\r\nb=2\r\nc=3\r\n[Vellicor]\r\na=1\r\n", crlf.Text());

    // A file cut after its CR: the CR must not end up in a value.
    ProfileText cut("[Vellicor]\r\na=1\r");
    ASSERT_TRUE(cut.Set("Vellicor", "a", "2"));
    ASSERT_TRUE(cut.Set("Vellicor", "b", "3"));
    EXPECT_EQ("[Vellicor]\r\na=2\r\nb=3\r\n", cut.Text());

    ProfileText fresh;
    ASSERT_TRUE(fresh.Set("Vellicor", "a", "1"));
    ASSERT_TRUE(fresh.Set("Vellicor", "b", ""));
    EXPECT_EQ("[Vellicor]\na=1\nb=\n", fresh.Text());
}

TEST(ProfileWrite, RefusesNamesAndValuesThatWouldNotReadBack)
{
    ProfileText file("[Vellicor]\na=1\n");
    for (const char* key : {"", "a=b", "[a", ";a", "#a", "a\nb"})
        EXPECT_FALSE(file.Set("Vellicor", key, "1")) << key;
    EXPECT_FALSE(file.Set("Vellicor", "a", "1\n[Evil]"));
    EXPECT_FALSE(file.Set("Vel]licor", "a", "1"));
    EXPECT_FALSE(file.Set("Vellicor\r", "a", "1"));
    EXPECT_EQ("[Vellicor]\na=1\n", file.Text());
}

} // namespace
} // namespace vellicor
