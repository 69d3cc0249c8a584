#include <gtest/gtest.h>

#include "net/TextSearch.h"

namespace zonivo {
namespace {

struct FindCase {
  std::string text, piece;
  int start, expected;
};

TEST(TextSearchTest, FindText) {
  const FindCase cases[] = {
      {"abcabc", "bc", 1, 2},
      {"abcabc", "bc", 3, 5},
      {"abcabc", "bc", -7, 2},  // below 1 counts as 1
      {"abcabc", "bc", 7, -1},  // beyond the end
      {"abcabc", "BC", 1, -1},  // letter case matters
      {"abc", "", 1, -1},
      {"\xD5"
       "aa",
       "a", 1, 3},  // never on the second byte of a character
      {"\xD5\xFD<id>", "<id>", 1, 3},
      {"ab", "abc", 1, -1},
  };
  for (const FindCase& c : cases)
    EXPECT_EQ(FindText(c.text, c.piece, c.start), c.expected) << c.text << " / " << c.piece;
}

// A piece is found only where a character begins: a byte with its high bit
// set and the byte after it are one character.
TEST(TextSearchTest, FindTextMatchesOnlyAtCharacterStarts) {
  const FindCase cases[] = {
      {"\xD5\xFD\xB3\xA3", "\xFD\xB3", 1, -1},  // 正常: "FD B3" straddles two characters
      {"\xD5\xFD\xB3\xA3", "\xB3\xA3", 1, 3},
      {"\xD5\xFD</id>", "</id>", 1, 3},  // right after a double-byte character
      {"\x81"
       "a<",
       "a", 1, -1},  // "a" is the second byte of "\x81a"
      {"\x81\x81\x81"
       "a<",
       "a", 1, -1},  // odd run: the third high byte leads "a"
      {"\x81\x81"
       "a<",
       "a", 1, 3},  // even run: "a" begins a character
      {"\x81\x81\x81\x81\x81"
       "a\x81"
       "a",
       "a", 1, -1},  // both "a" are second bytes
      {"\x81\x81\x81\x81"
       "a\x81"
       "aa",
       "a", 1, 5},
      {"\x81"
       "aa",
       "a", 2, 2},  // the start counts as the beginning of a character
      {"x\x81"
       "a\x81"
       "ab",
       "ab", 1, -1},
      {"\x81\x81"
       "ab",
       "ab", 1, 3},
  };
  for (const FindCase& c : cases)
    EXPECT_EQ(FindText(c.text, c.piece, c.start), c.expected) << c.text << " / " << c.piece;
}

// 0x80, the euro sign of code page 936, is a character of its own; a lead
// byte before it still takes it as its second byte.
TEST(TextSearchTest, TheEuroSignIsOneByte) {
  const FindCase finds[] = {
      {"\x80</id>", "</id>", 1, 2},
      {"a\x80"
       "b",
       "b", 1, 3},
      {"\x80\x80<", "<", 1, 3},
      {"\x81\x80"
       "b",
       "b", 1, 3},
      {"\x81\x80", "\x80", 1, -1},
  };
  for (const FindCase& c : finds)
    EXPECT_EQ(FindText(c.text, c.piece, c.start), c.expected) << c.text << " / " << c.piece;
  EXPECT_EQ(MidText("\x80"
                    "ab",
                    2, 2),
            "ab");
  EXPECT_EQ(ReplaceText("\x80"
                        "A",
                        "A", "z", true),
            "\x80z");
  EXPECT_EQ(ReplaceText("\x80"
                        "a\x80",
                        "\x80", "E", false),
            "EaE");
}

TEST(TextSearchTest, MidText) {
  EXPECT_EQ(MidText("<id>42</id>", 5, 2), "42");
  EXPECT_EQ(MidText("abc", 2, 99), "bc");
  EXPECT_EQ(MidText("abc", 0, 2), "");
  EXPECT_EQ(MidText("abc", 4, 1), "");
  EXPECT_EQ(MidText("abc", 1, 0), "");
  EXPECT_EQ(MidText("abc", 1, -3), "");
}

TEST(TextSearchTest, ReplaceText) {
  EXPECT_EQ(ReplaceText("a-b-c", "-", "+", true), "a+b+c");
  EXPECT_EQ(ReplaceText("Code CODE code", "code", "x", false), "x x x");
  EXPECT_EQ(ReplaceText("Code CODE code", "code", "x", true), "Code CODE x");
  EXPECT_EQ(ReplaceText("abc", "", "x", true), "abc");
  EXPECT_EQ(ReplaceText("", "a", "x", true), "");
  EXPECT_EQ(ReplaceText("aaa", "aa", "b", true), "ba");
  // "\xD5\x41" is one character: its second byte is no "A".
  EXPECT_EQ(ReplaceText("\xD5\x41"
                        "A",
                        "A", "z", true),
            "\xD5\x41z");
  EXPECT_EQ(ReplaceText("\xD5\x41"
                        "a",
                        "A", "z", false),
            "\xD5\x41z");
  // Letter case is ignored for single-byte letters only: 乤 (81 61) is not
  // 丄 (81 41).
  EXPECT_EQ(ReplaceText("\x81\x61", "\x81\x41", "X", false), "\x81\x61");
  EXPECT_EQ(ReplaceText("\x81\x61"
                        "A",
                        "\x81\x61"
                        "a",
                        "X", false),
            "X");
  EXPECT_EQ(ReplaceTextWithin("aaaa", "a", "bb", true, 7), std::nullopt);
  EXPECT_EQ(ReplaceTextWithin("aaaa", "a", "bb", true, 8), std::optional<Text>("bbbbbbbb"));
}

}  // namespace
}  // namespace zonivo
