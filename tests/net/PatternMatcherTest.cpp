#include <gtest/gtest.h>

#include "net/PatternMatcher.h"
#include "net/RegexEngine.h"

namespace zonivo {
namespace {

const Text kCodePattern = "<code>(\\S*)</code>";

TEST(PatternMatcherTest, EverythingIsEmptyBeforeCreate) {
  PatternMatcher m;
  EXPECT_EQ(m.Execute("<code>1</code>"), 0);
  EXPECT_FALSE(m.Test("<code>1</code>"));
  EXPECT_EQ(m.SubMatchText(1, 1), "");
  EXPECT_EQ(m.MatchText(1), "");
  EXPECT_EQ(m.SubMatchCount(1), 0);
  Text subject = "abc";
  EXPECT_EQ(m.ReplaceAll(subject, "x"), "abc");
}

TEST(PatternMatcherTest, ReadsTheCodeInAnyLetterCase) {
  for (const Text& answer :
       {Text("<code>1</code>"), Text("<CODE>1</CODE>"), Text("<Code>1</cOdE>")}) {
    PatternMatcher m;
    EXPECT_TRUE(m.Create(kCodePattern));
    EXPECT_EQ(m.Execute(answer), 1) << answer;
    EXPECT_EQ(m.SubMatchText(1, 1), "1") << answer;
    EXPECT_EQ(m.MatchText(1), answer);
    EXPECT_TRUE(m.Test(answer));
  }
}

TEST(PatternMatcherTest, CaseSensitiveCreateRejectsOtherCase) {
  PatternMatcher m;
  m.Create(kCodePattern, true);
  EXPECT_EQ(m.Execute("<CODE>1</CODE>"), 0);
}

TEST(PatternMatcherTest, IndexesOutsideTheRangeGiveEmptyResults) {
  PatternMatcher m;
  m.Create(kCodePattern);
  ASSERT_EQ(m.Execute("x <code>7</code> y"), 1);
  EXPECT_EQ(m.SubMatchText(2, 1), "");
  EXPECT_EQ(m.SubMatchText(1, 2), "");
  EXPECT_EQ(m.SubMatchText(1, 0), "");
  EXPECT_EQ(m.SubMatchText(0, 1), "");
  EXPECT_EQ(m.MatchText(0), "");
  EXPECT_EQ(m.MatchText(2), "");
  EXPECT_EQ(m.SubMatchCount(1), 1);
  EXPECT_EQ(m.SubMatchCount(2), 0);
}

TEST(PatternMatcherTest, NonMatchingExecuteDropsEarlierMatches) {
  PatternMatcher m;
  m.Create(kCodePattern);
  ASSERT_EQ(m.Execute("<code>1</code>"), 1);
  EXPECT_EQ(m.Execute("nothing here"), 0);
  EXPECT_EQ(m.SubMatchText(1, 1), "");
}

TEST(PatternMatcherTest, GlobalCollectsAllAndNonGlobalTheFirst) {
  const Text answer = "<code>1</code>\n<code>2</code>";
  PatternMatcher all;
  all.Create(kCodePattern);
  EXPECT_EQ(all.Execute(answer), 2);
  EXPECT_EQ(all.SubMatchText(2, 1), "2");
  PatternMatcher first;
  first.Create(kCodePattern, false, false);
  EXPECT_EQ(first.Execute(answer), 1);
  EXPECT_EQ(first.SubMatchText(1, 1), "1");
}

TEST(PatternMatcherTest, CreateLeavesTheLastMatchesReadable) {
  PatternMatcher m;
  m.Create(kCodePattern);
  ASSERT_EQ(m.Execute("<code>5</code>"), 1);
  m.Create("other(x)");
  EXPECT_EQ(m.SubMatchText(1, 1), "5");
}

TEST(PatternMatcherTest, RefusedPatternGivesEmptyResults) {
  PatternMatcher m;
  m.Create(kCodePattern);
  ASSERT_EQ(m.Execute("<code>5</code>"), 1);
  EXPECT_FALSE(m.Create("(unclosed"));
  EXPECT_EQ(m.Execute("<code>5</code>"), 0);
  EXPECT_EQ(m.SubMatchText(1, 1), "");
  EXPECT_FALSE(m.Test("(unclosed"));
}

TEST(PatternMatcherTest, HitLimitGivesEmptyResults) {
  PatternMatcher m;
  m.Create("(a+)+$");
  ASSERT_EQ(m.Execute("aaa"), 1);
  EXPECT_EQ(m.Execute(Text(5000, 'a') + "b"), 0);
  EXPECT_EQ(m.SubMatchText(1, 1), "");
}

TEST(PatternMatcherTest, EmptyMatchesAdvanceOneCharacter) {
  PatternMatcher m;
  m.Create("x*");
  EXPECT_EQ(m.Execute("a\xD5\xFDx"), 4);  // before a, before the character, "x", end
  EXPECT_EQ(m.MatchText(3), "x");
}

TEST(PatternMatcherTest, GroupsAndMatchesCarryDoubleByteText) {
  PatternMatcher m;
  m.Create("<line>(\\S*)</line>");
  ASSERT_EQ(m.Execute("<line>\xC4\xAC\xC8\xCF</line>"), 1);
  EXPECT_EQ(m.SubMatchText(1, 1), "\xC4\xAC\xC8\xCF");
}

TEST(PatternMatcherTest, UnsetGroupIsEmpty) {
  PatternMatcher m;
  m.Create("a(b)?(c)");
  ASSERT_EQ(m.Execute("ac"), 1);
  EXPECT_EQ(m.SubMatchText(1, 1), "");
  EXPECT_EQ(m.SubMatchText(1, 2), "c");
  EXPECT_EQ(m.SubMatchCount(1), 2);
}

TEST(PatternMatcherTest, ReplaceAllReplacesEveryOccurrenceOfEachMatch) {
  PatternMatcher m;
  m.Create("ab");
  Text subject = "ab-AB-aB";
  EXPECT_EQ(m.ReplaceAll(subject, "_", false), "_-_-_");
  EXPECT_EQ(subject, "_-_-_");

  m.Create("ab", true);
  subject = "ab-AB";
  EXPECT_EQ(m.ReplaceAll(subject, "_"), "_-AB");
  // Only "ab" matches the case-sensitive expression; the replacement itself
  // ignores case and so also takes "AB".
  subject = "ab-AB";
  EXPECT_EQ(m.ReplaceAll(subject, "_", false), "_-_");
}

// The interpreter in place of the JIT, for the lifetime of the object, as on
// a system whose PCRE2 has no JIT or may not make executable memory.
class WithoutJit {
 public:
  WithoutJit() { RegexEngine::AllowJitForTesting(false); }
  ~WithoutJit() { RegexEngine::AllowJitForTesting(true); }
  WithoutJit(const WithoutJit&) = delete;
  WithoutJit& operator=(const WithoutJit&) = delete;
};

TEST(PatternMatcherTest, WithoutTheJitAHostileSubjectIsRefusedInBoundedTime) {
  const WithoutJit interpreter;
  PatternMatcher m;
  ASSERT_TRUE(m.Create(kCodePattern));
  Text subject;
  for (int i = 0; i < 43690; ++i) subject += "<code>";  // 256 KB without white space
  EXPECT_EQ(m.Execute(subject), 0);
  EXPECT_EQ(m.Execute("<code>1</code>"), 1);
  EXPECT_EQ(m.SubMatchText(1, 1), "1");
}

TEST(PatternMatcherTest, WithoutTheJitFiftyThousandRecordsAreRead) {
  const WithoutJit interpreter;
  Text answer = "<code>1</code>\n";
  for (int i = 0; i < 50000; ++i)
    answer += "<item>\n<id>" + std::to_string(i) +
              "</id>\n<name>www</name>\n<line><![CDATA[x]]></line>\n<type>A</type>\n"
              "<ttl>600</ttl>\n<value><![CDATA[10.0.0.1]]></value>\n<mx>0</mx>\n"
              "<enabled>1</enabled>\n</item>\n";
  PatternMatcher m;
  ASSERT_TRUE(m.Create(
      "<id>(\\S*)</id>\\s*<name>(\\S*)</name>\\s*<line>(\\S*)</line>\\s*<type>(\\S*)</type>"
      "\\s*<ttl>(\\S*)</ttl>\\s*<value>(\\S*)</value>\\s*<mx>(\\S*)</mx>\\s*"
      "<enabled>(\\S*)</enabled>"));
  EXPECT_EQ(m.Execute(answer), 50000);
  EXPECT_EQ(m.SubMatchText(50000, 1), "49999");
}

TEST(PatternMatcherTest, ReplaceAllRefusesAResultPastTheAnswerCap) {
  PatternMatcher m;
  m.Create("a");
  // "a" becomes "aa" at every one of 4,096 passes: the subject would double
  // each time.
  const Text original(4096, 'a');
  Text subject = original;
  EXPECT_EQ(m.ReplaceAll(subject, "aa"), original);
  EXPECT_EQ(subject, original);
  EXPECT_EQ(m.SubMatchText(1, 0), "");
  EXPECT_EQ(m.MatchText(1), "");  // refused as the engine refuses: no matches
}

TEST(PatternMatcherTest, ReplaceAllOnDoubleByteText) {
  PatternMatcher m;
  m.Create("A");
  // The second byte of "\xD5\x41" is not a character of its own.
  Text subject =
      "\xD5\x41"
      "A\xD5\xFD"
      "a";
  EXPECT_EQ(m.ReplaceAll(subject, "-", false), "\xD5\x41-\xD5\xFD-");
}

TEST(PatternMatcherTest, CopySharesAndDestroyOfCopyLeavesTheOriginal) {
  PatternMatcher m;
  m.Create(kCodePattern);
  ASSERT_EQ(m.Execute("<code>1</code>"), 1);
  PatternMatcher copy = m.Copy();
  EXPECT_EQ(copy.SubMatchText(1, 1), "1");
  copy.Destroy();
  EXPECT_EQ(copy.SubMatchText(1, 1), "");
  EXPECT_EQ(copy.Execute("<code>1</code>"), 0);
  EXPECT_EQ(m.SubMatchText(1, 1), "1");
  EXPECT_EQ(m.Execute("<code>2</code>"), 1);
  EXPECT_EQ(m.SubMatchText(1, 1), "2");
}

TEST(PatternMatcherTest, CopyOfEmptyMatcherIsEmpty) {
  PatternMatcher m;
  PatternMatcher copy = m.Copy();
  EXPECT_EQ(copy.Execute("x"), 0);
}

}  // namespace
}  // namespace zonivo
