#include <gtest/gtest.h>

#include "net/CodePage.h"
#include "net/DecodeText.h"

namespace zonivo {
namespace {

Bytes B(std::string_view s) { return Bytes(s.begin(), s.end()); }

struct DecodeCase {
  const char* name;
  std::string in;
  std::string charset;
  std::string expected;
};

class DecodeTextTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextTest, DecodesToGbk) {
  const DecodeCase& c = GetParam();
  EXPECT_EQ(DecodeText(B(c.in), c.charset), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTextTest,
    testing::Values(DecodeCase{"Empty", "", "utf-8", ""},
                    DecodeCase{"Ascii", "<code>1</code>", "utf-8", "<code>1</code>"},
                    DecodeCase{"Chinese", "\xE6\xAD\xA3\xE5\xB8\xB8", "utf-8", "\xD5\xFD\xB3\xA3"},
                    DecodeCase{"CharsetNameCase", "\xE6\xAD\xA3", "UTF-8", "\xD5\xFD"},
                    DecodeCase{"EmojiNotInGbk", "a\xF0\x9F\x98\x80\xE6\xAD\xA3", "utf-8",
                               "a?\xD5\xFD"},
                    DecodeCase{"ThaiNotInGbk", "x\xE0\xB8\x81y", "utf-8", "x?y"},
                    DecodeCase{"InvalidByte",
                               "a\xFF"
                               "b",
                               "utf-8", "a?b"},
                    DecodeCase{"LoneContinuation", "\x80z", "utf-8", "?z"},
                    DecodeCase{"Overlong", "\xC0\xAF.", "utf-8", "??."},
                    DecodeCase{"Surrogate", "\xED\xA0\x80.", "utf-8", "???."},
                    DecodeCase{"CutOffAtEnd", "ab\xE6\xAD", "utf-8", "ab??"},
                    DecodeCase{"ByteOrderMarkDropped", "\xEF\xBB\xBFok", "utf-8", "ok"},
                    DecodeCase{"OtherCharset", "\xD5\xFD", "gbk", "\xD5\xFD"},
                    DecodeCase{"InvalidInOtherCharset", "\xD5\xFD\xFF", "gbk", "\xD5\xFD?"},
                    DecodeCase{"UnknownCharset", "abc", "no-such-charset", ""},
                    DecodeCase{"CharsetNotNamed", "abc", "", ""},
                    // Characters that the C library's converter would drop:
                    // each is a "?", so no tag can be assembled from them.
                    DecodeCase{"TagCharacter",
                               "\xF3\xA0\x80\xBE"
                               "De",
                               "utf-8", "?De"},
                    DecodeCase{"TagCharacterInsideATag",
                               "<co\xF3\xA0\x81\x81"
                               "de>",
                               "utf-8", "<co?de>"},
                    DecodeCase{"EuroSign", "5\xE2\x82\xAC", "utf-8", "5\x80"}),
    [](const testing::TestParamInfo<DecodeCase>& param) { return param.param.name; });

TEST(DecodeTextTest, LargeMixedInputKeepsEveryCharacter) {
  std::string utf8, gbk;
  for (int i = 0; i < 50000; ++i) {
    utf8 += "id\xE6\xAD\xA3";
    gbk += "id\xD5\xFD";
  }
  EXPECT_EQ(DecodeText(B(utf8), "utf-8"), gbk);
}

TEST(CodePageTest, RoundTripsBetweenGbkAndUtf8) {
  EXPECT_EQ(ToUtf8("\xD5\xFD\xB3\xA3 ok"), "\xE6\xAD\xA3\xE5\xB8\xB8 ok");
  EXPECT_EQ(FromUtf8("默认"), ToUtf8("") + "\xC4\xAC\xC8\xCF");
  EXPECT_EQ(ToUtf8("a\xFF"), "a?");
}

// Every character of the code page survives the way to Unicode and back, and
// agrees with the C library's converter.
TEST(CodePageTest, EveryGbkCharacterRoundTrips) {
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const Text pair = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = ToUtf8(pair);
      if (utf8.find('?') != std::string::npos) continue;
      ++characters;
      ASSERT_EQ(FromUtf8(utf8), pair) << lead << " " << trail;
      const std::u16string utf16 = ToUtf16(pair);
      ASSERT_EQ(utf16.size(), 1u);
      ASSERT_EQ(FromUtf16(utf16), pair);
    }
  }
  EXPECT_GT(characters, 21000);
  EXPECT_EQ(DecodeText(B("\xE2\x82\xAC"), "utf-8"), "\x80");  // the euro sign is one byte
  EXPECT_EQ(ToUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(CodePageTest, Utf16OutsideGbkBecomesQuestionMarks) {
  EXPECT_EQ(FromUtf16(u"a\U0001F600b"), "a?b");  // one "?" for a surrogate pair
  EXPECT_EQ(FromUtf16(std::u16string{u'x', char16_t{0xD800}, u'y'}), "x?y");
  EXPECT_EQ(FromUtf16(u"\u0E01\u6B63"), "?\xD5\xFD");
  EXPECT_EQ(ToUtf16("\xD5\xFD\xFFz\xD5"), u"\u6B63?z?");
}

TEST(CodePageTest, CharLengthPairsHighBytesOnly) {
  EXPECT_EQ(CharLength("\xD5\xFD", 0), 2u);
  EXPECT_EQ(CharLength("a\xD5", 1), 1u);  // a lead byte at the end stands alone
  EXPECT_EQ(CharLength("ab", 0), 1u);
}

}  // namespace
}  // namespace zonivo
