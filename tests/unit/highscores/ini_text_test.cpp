// Reading and writing the text of an INI file: the lookup rules and byte-exact edits.
#include "highscores/ini_text.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zandor {
namespace {

struct LookupCase {
    const char* what;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

std::ostream& operator<<(std::ostream& out, const LookupCase& c) {
    return out << c.what;
}

class IniLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsTheValueByTheReadingRules) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(ini::findValue(c.text, c.section, c.key), c.expected) << c.what;
}

const std::string kBom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Rules, IniLookup,
    testing::Values(
        LookupCase{"plain key", "[HiScores]\nScore1=5;ANN\n", "HiScores", "Score1", "5;ANN"},
        LookupCase{"empty file", "", "HiScores", "Score1", std::nullopt},
        LookupCase{"missing section", "[Other]\nScore1=1\n", "HiScores", "Score1", std::nullopt},
        LookupCase{"missing key", "[HiScores]\nScore2=1\n", "HiScores", "Score1", std::nullopt},
        LookupCase{"names ignore case", "[hiscores]\nSCORE1=7\n", "HiScores", "score1", "7"},
        LookupCase{"blanks around names, = and value", "  [ HiScores ]  \n\t Score1 \t=  7 x \t\n",
                   "HiScores", "Score1", "7 x"},
        LookupCase{"empty value is a value", "[HiScores]\nScore3=\n", "HiScores", "Score3", ""},
        LookupCase{"blank value is empty", "[HiScores]\nScore3=   \n", "HiScores", "Score3", ""},
        LookupCase{"double quotes removed", "[s]\nk= \"a b\" \n", "s", "k", "a b"},
        LookupCase{"single quotes removed", "[s]\nk='a'\n", "s", "k", "a"},
        LookupCase{"only one pair of quotes", "[s]\nk=\"\"a\"\"\n", "s", "k", "\"a\""},
        LookupCase{"mismatched quotes stay", "[s]\nk=\"a'\n", "s", "k", "\"a'"},
        LookupCase{"lone quote stays", "[s]\nk=\"\n", "s", "k", "\""},
        LookupCase{"line without = is no key", "[s]\nk\nk=2\n", "s", "k", "2"},
        LookupCase{"comment is no key", "[s]\n;k=1\nk=2\n", "s", "k", "2"},
        LookupCase{"; and = belong to the value", "[s]\nk=1;a=b;c\n", "s", "k", "1;a=b;c"},
        LookupCase{"first duplicate key wins", "[s]\nk=1\nk=2\n", "s", "k", "1"},
        LookupCase{"first duplicate section wins", "[s]\na=1\n[s]\nk=2\n", "s", "k", std::nullopt},
        LookupCase{"keys before any section belong to none", "k=1\n[s]\n", "s", "k", std::nullopt},
        LookupCase{"section ends at the next header", "[s]\n[t]\nk=1\n", "s", "k", std::nullopt},
        LookupCase{"text after the last ] is ignored", "[s] ; note\nk=1\n", "s", "k", "1"},
        LookupCase{"the last ] closes the name", "[a]b] x\nk=1\n", "a]b", "k", "1"},
        LookupCase{"CRLF endings", "[s]\r\nk=1\r\nj=2\r\n", "s", "j", "2"},
        LookupCase{"CR endings", "[s]\rk=1\rj=2\r", "s", "j", "2"},
        LookupCase{"mixed endings", "[s]\r\nk=1\nj=2\r", "s", "j", "2"},
        LookupCase{"last line without ending", "[s]\nk=1", "s", "k", "1"},
        LookupCase{"byte-order mark before the first line", kBom + "[s]\nk=1\n", "s", "k", "1"},
        LookupCase{"requested names are trimmed", "[s]\nk=1\n", " s ", " k", "1"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return test::testName(info.param.what); });

struct EditCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

std::ostream& operator<<(std::ostream& out, const EditCase& c) {
    return out << c.what;
}

class IniEdit : public testing::TestWithParam<EditCase> {};

TEST_P(IniEdit, ChangesOnlyTheKeyAndKeepsEveryOtherByte) {
    const EditCase& c = GetParam();
    const std::optional<std::string> after = ini::setValue(c.before, c.section, c.key, c.value);
    ASSERT_TRUE(after.has_value()) << c.what;
    EXPECT_EQ(*after, c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Writes, IniEdit,
    testing::Values(
        EditCase{"creates a file", "", "HiScores", "Score1", "5;A", "[HiScores]\nScore1=5;A\n"},
        EditCase{"replaces in place, keeping spacing and comments",
                 "; table\n[HiScores]\n  Score1 =  1;OLD   \nScore2=2;B\n", "hiscores", "SCORE1",
                 "9;NEW", "; table\n[HiScores]\n  Score1 =  9;NEW\nScore2=2;B\n"},
        EditCase{"replaces an empty value", "[s]\nk=\nj=1\n", "s", "k", "v", "[s]\nk=v\nj=1\n"},
        EditCase{"replaces only the first duplicate", "[s]\nk=1\nk=2\n", "s", "k", "3",
                 "[s]\nk=3\nk=2\n"},
        EditCase{"adds after the last key, before blank lines and the next section",
                 "[s]\na=1\n; c\nb=2\n\n; about t\n[t]\nx=1\n", "s", "k", "v",
                 "[s]\na=1\n; c\nb=2\nk=v\n\n; about t\n[t]\nx=1\n"},
        EditCase{"adds right after the header of an empty section", "[s]\n\n[t]\n", "s", "k", "v",
                 "[s]\nk=v\n\n[t]\n"},
        EditCase{"adds to the first of duplicate sections", "[s]\na=1\n[s]\nk=2\n", "s", "k", "v",
                 "[s]\na=1\nk=v\n[s]\nk=2\n"},
        EditCase{"keeps CRLF endings", "[s]\r\na=1\r\n", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
        EditCase{"keeps CR endings", "[s]\ra=1\r", "s", "k", "v", "[s]\ra=1\rk=v\r"},
        EditCase{"takes the ending of the line it follows", "x\r[s]\na=1\n\n[t]\n", "s", "k", "v",
                 "x\r[s]\na=1\nk=v\n\n[t]\n"},
        EditCase{"ends an unfinished last line before adding a key", "[s]\r\na=1", "s", "k", "v",
                 "[s]\r\na=1\r\nk=v\r\n"},
        EditCase{"ends an unfinished last line before adding a section", "[t]\r\nx=1", "s", "k",
                 "v", "[t]\r\nx=1\r\n\r\n[s]\r\nk=v\r\n"},
        EditCase{"a new section follows the ending of the last line", "[t]\r\nx=1\r", "s", "k", "v",
                 "[t]\r\nx=1\r\r[s]\rk=v\r"},
        EditCase{"no extra blank line after a blank last line", "[t]\nx=1\n\n", "s", "k", "v",
                 "[t]\nx=1\n\n[s]\nk=v\n"},
        EditCase{"keeps a byte-order mark", kBom + "[s]\nk=1\n", "s", "k", "2",
                 kBom + "[s]\nk=2\n"},
        EditCase{"a file of only a byte-order mark", kBom, "s", "k", "v", kBom + "[s]\nk=v\n"}),
    [](const testing::TestParamInfo<EditCase>& info) { return test::testName(info.param.what); });

TEST(IniEditNames, RefusesNamesAndValuesThatWouldChangeOtherLines) {
    const std::string text = "[s]\nk=1\n";
    EXPECT_FALSE(ini::setValue(text, "s", "k", "1\n[t]"));
    EXPECT_FALSE(ini::setValue(text, "s", "k", "a\rb"));
    EXPECT_FALSE(ini::setValue(text, "s", "k", std::string("a\0b", 3)));
    EXPECT_FALSE(ini::setValue(text, "s", "k=x", "1"));
    EXPECT_FALSE(ini::setValue(text, "s", "[k", "1]"));
    EXPECT_FALSE(ini::setValue(text, "s", ";k", "1"));
    EXPECT_FALSE(ini::setValue(text, "s", "  ", "1"));
    EXPECT_FALSE(ini::setValue(text, "", "k", "1"));
    EXPECT_FALSE(ini::setValue(text, "s\nt", "k", "1"));
}

TEST(IniEditNames, AWrittenValueReadsBackAfterTrimmingAndUnquoting) {
    std::string text = "[s]\nk=1\n";
    text = *ini::setValue(text, "s", "k", "  'a;b=c'  ");
    EXPECT_EQ(ini::findValue(text, "s", "k"), "a;b=c");
}

} // namespace
} // namespace zandor
