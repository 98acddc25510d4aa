#include "shell/settings/Profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vellicor {
namespace {

using namespace std::string_literals;

TEST(ProfileRead, FindsKeysWithoutRegardToCaseOrSurroundingBlanks)
{
    const ProfileText file("; settings\n[Other]\nwMaxHor=50\n  [ vellicor ]  \n\tWMAXHOR = 21 \niStep=3\n");
    EXPECT_EQ("21", file.Find("Vellicor", "wMaxHor").value());
    EXPECT_EQ("3", file.Find("VELLICOR", "istep").value());
    EXPECT_EQ("50", file.Find("other", "wMaxHor").value());
    EXPECT_FALSE(file.Find("Vellicor", "iLevel").has_value());
    EXPECT_FALSE(file.Find("Missing", "wMaxHor").has_value());
}

TEST(ProfileRead, TheFirstOfRepeatedSectionsAndKeysCounts)
{
    const ProfileText file("[Vellicor]\niStep=1\niStep=2\n[vellicor]\niStep=3\niLanguage=0\n");
    EXPECT_EQ(1, GetProfileInt(file, "Vellicor", "iStep", -1));
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "iLanguage", -1));
}

TEST(ProfileRead, IgnoresCommentsKeysOutsideSectionsAndLinesWithoutEquals)
{
    const ProfileText file("iStep=9\n[Vellicor]\n;iLanguage=0\n#bPlane=1\njunk line\n=5\n");
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "iStep", -1));
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", ";iLanguage", -1));
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "bPlane", -1));
    EXPECT_EQ(-1, GetProfileInt(file, "Vellicor", "junk line", -1));
}

TEST(ProfileRead, ReadsCrlfFilesAndFilesWithAByteOrderMark)
{
    const ProfileText crlf("[Vellicor]\r\nwMaxHor=30\r\nwMaxVer=40");
    EXPECT_EQ(30, GetProfileInt(crlf, "Vellicor", "wMaxHor", 0));
    EXPECT_EQ(40, GetProfileInt(crlf, "Vellicor", "wMaxVer", 0));
    const ProfileText bom("\xEF\xBB\xBF[Vellicor]\nwMaxHor=30\n");
    EXPECT_EQ(30, GetProfileInt(bom, "Vellicor", "wMaxHor", 0));
}

TEST(ProfileRead, ParsesIntegersAsTheOldProfileFunctionsDid)
{
    struct Case {
        std::string text;
        int32_t expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+3", 3},
        {" \t5", 5},
        {"-0", 0},
        {"12abc", 12},
        {"12 ; note", 12},
        {"0x10", 0},
        {"1\0" "2"s, 1},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MAX},
        {"-99999999999999999999999999", INT32_MIN},
        {"99999999999999999999999999", INT32_MAX},
        {"", -1},
        {"abc", -1},
        {"-", -1},
        {"+ 5", -1},
        {"\xff\xfe", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ParseProfileInt(c.text, -1)) << "text: " << c.text;
}

TEST(ProfileWrite, ReplacesAValueInPlaceAndKeepsEveryOtherByte)
{
    const std::string before = "; my notes\r\n[Other]\r\nkeep=this\r\n\r\n[Vellicor]\r\n  wMaxHor =  14   \r\nx=1\r\n";
    ProfileText file(before);
    ASSERT_TRUE(file.Set("vellicor", "WMAXHOR", "21"));
    EXPECT_EQ("; my notes\r\n[Other]\r\nkeep=this\r\n\r\n[Vellicor]\r\n  wMaxHor =  21   \r\nx=1\r\n", file.Text());
    EXPECT_EQ("21", file.Find("Vellicor", "wMaxHor").value());
    ASSERT_TRUE(file.Set("Vellicor", "wMaxHor", "-3"));
    EXPECT_EQ(-3, GetProfileInt(file, "Vellicor", "wMaxHor", 0));
}

TEST(ProfileWrite, AddsAKeyAfterTheLastKeyOfItsSection)
{
    ProfileText file("[Vellicor]\na=1\n; about Other\n\n[Other]\nb=2\n");
    ASSERT_TRUE(file.Set("Vellicor", "c", "3"));
    ASSERT_TRUE(file.Set("Vellicor", "d", "4"));
    ASSERT_TRUE(file.Set("Vellicor", "C", "5")); // the key just added, not a third one
    EXPECT_EQ("[Vellicor]\na=1\nc=5\nd=4\n; about Other\n\n[Other]\nb=2\n", file.Text());
    EXPECT_EQ("5", file.Find("Vellicor", "c").value());
}

TEST(ProfileWrite, AddsKeysToAnEmptySectionRightUnderItsHeader)
{
    ProfileText file("[Vellicor]\n\n[Other]\nb=2\n");
    ASSERT_TRUE(file.Set("Vellicor", "a", "1"));
    EXPECT_EQ("[Vellicor]\na=1\n\n[Other]\nb=2\n", file.Text());
}

TEST(ProfileWrite, CreatesTheSectionAtTheEndInTheFilesLineEnds)
{
    ProfileText crlf("[Other]\r\nb=2");
    ASSERT_TRUE(crlf.Set("Vellicor", "a", "1"));
    ASSERT_TRUE(crlf.Set("Other", "c", "3"));
    EXPECT_EQ("[Other]\r\nb=2\r\nc=3\r\n[Vellicor]\r\na=1\r\n", crlf.Text());

    ProfileText empty;
    ASSERT_TRUE(empty.Set("Vellicor", "a", "1"));
    ASSERT_TRUE(empty.Set("Vellicor", "b", "2"));
    EXPECT_EQ("[Vellicor]\na=1\nb=2\n", empty.Text());
}

TEST(ProfileWrite, ReplacesAnEmptyValueAtTheEndOfTheFile)
{
    ProfileText file("[Vellicor]\na=");
    ASSERT_TRUE(file.Set("Vellicor", "a", "7"));
    ASSERT_TRUE(file.Set("Vellicor", "b", "8"));
    EXPECT_EQ("[Vellicor]\na=7\nb=8\n", file.Text());
}

TEST(ProfileWrite, ALoneCarriageReturnEndingTheFileStaysOutOfTheValue)
{
    ProfileText file("[Vellicor]\r\na=1\r");
    ASSERT_TRUE(file.Set("Vellicor", "a", "2"));
    ASSERT_TRUE(file.Set("Vellicor", "b", "3"));
    ASSERT_TRUE(file.Set("Other", "c", "4"));
    EXPECT_EQ("[Vellicor]\r\na=2\r\nb=3\r\n[Other]\r\nc=4\r\n", file.Text());
    ProfileText header("[Vellicor]\r");
    ASSERT_TRUE(header.Set("Other", "c", "4"));
    EXPECT_EQ("[Vellicor]\r\n[Other]\nc=4\n", header.Text());
}

TEST(ProfileWrite, KeysOfARepeatedSectionStayWhereTheyAre)
{
    ProfileText file("[Vellicor]\na=1\n[Vellicor]\nb=2\n");
    ASSERT_TRUE(file.Set("Vellicor", "b", "3"));
    EXPECT_EQ("[Vellicor]\na=1\nb=3\n[Vellicor]\nb=2\n", file.Text());
}

TEST(ProfileWrite, RefusesNamesAndValuesThatWouldNotReadBack)
{
    ProfileText file("[Vellicor]\na=1\n");
    EXPECT_FALSE(file.Set("Vellicor", "", "1"));
    EXPECT_FALSE(file.Set("Vellicor", "a=b", "1"));
    EXPECT_FALSE(file.Set("Vellicor", "[a", "1"));
    EXPECT_FALSE(file.Set("Vellicor", ";a", "1"));
    EXPECT_FALSE(file.Set("Vellicor", "a", "1\n[Evil]"));
    EXPECT_FALSE(file.Set("Vel]licor", "a", "1"));
    EXPECT_FALSE(file.Set("Vellicor\r", "a", "1"));
    EXPECT_EQ("[Vellicor]\na=1\n", file.Text());
}

TEST(ProfileWrite, AnUneditedFileIsWrittenBackByteForByte)
{
    const std::string odd = "\0[x\n[Vellicor]\r\nw=\0\r\n\r\r\n  ;c\n[]\n=\n\xff\xfe=1"s;
    EXPECT_EQ(odd, ProfileText(odd).Text());
}

} // namespace
} // namespace vellicor
