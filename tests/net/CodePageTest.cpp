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
                    DecodeCase{"UnknownCharset", "abc", "no-such-charset", ""}),
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

TEST(CodePageTest, CharLengthPairsHighBytesOnly) {
  EXPECT_EQ(CharLength("\xD5\xFD", 0), 2u);
  EXPECT_EQ(CharLength("a\xD5", 1), 1u);  // a lead byte at the end stands alone
  EXPECT_EQ(CharLength("ab", 0), 1u);
}

}  // namespace
}  // namespace zonivo
