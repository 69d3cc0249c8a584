#include "net/PatternMatcher.h"

#include "net/CodePage.h"
#include "net/RegexEngine.h"
#include "net/TextSearch.h"

namespace zonivo {

PatternMatcher::PatternMatcher() = default;
PatternMatcher::~PatternMatcher() = default;
PatternMatcher::PatternMatcher(PatternMatcher&&) noexcept = default;
PatternMatcher& PatternMatcher::operator=(PatternMatcher&&) noexcept = default;

void PatternMatcher::Destroy() {
  expression_.reset();
  matches_.reset();
}

PatternMatcher PatternMatcher::Copy() const {
  PatternMatcher copy;
  copy.expression_ = expression_;
  copy.matches_ = matches_;
  return copy;
}

bool PatternMatcher::Create(const Text& pattern, bool caseSensitive, bool global) {
  expression_.reset();
  auto engine = std::make_shared<const RegexEngine>(ToUtf8(pattern), caseSensitive, global);
  const bool compiled = engine->Compiled();
  expression_ = std::move(engine);
  return compiled;
}

bool PatternMatcher::Test(const Text& subject) const {
  return expression_ && expression_->Test(ToUtf8(subject));
}

int PatternMatcher::Execute(const Text& subject) {
  if (!expression_) return 0;
  matches_.reset();
  auto found = expression_->Run(ToUtf8(subject));
  if (!found) return 0;
  matches_ = std::make_shared<const MatchCollection>(std::move(*found));
  return matches_->Count();
}

bool PatternMatcher::HasMatch(int matchIndex) const {
  return expression_ && matches_ && matchIndex >= 1 && matchIndex <= matches_->Count();
}

Text PatternMatcher::MatchText(int matchIndex) const {
  if (!HasMatch(matchIndex)) return {};
  return FromUtf8(matches_->Group(matchIndex - 1, 0));
}

int PatternMatcher::SubMatchCount(int matchIndex) const {
  return HasMatch(matchIndex) ? matches_->groupCount : 0;
}

Text PatternMatcher::SubMatchText(int matchIndex, int groupIndex) const {
  if (!HasMatch(matchIndex) || groupIndex < 1 || groupIndex > matches_->groupCount) return {};
  return FromUtf8(matches_->Group(matchIndex - 1, groupIndex));
}

// A result that would pass the answer cap (a replacement that holds its own
// match doubles the subject at every pass) is refused as the engine refuses a
// subject: the subject stays as it was and the matches are gone.
Text PatternMatcher::ReplaceAll(Text& subject, const Text& replacement, bool caseSensitive) {
  const int count = Execute(subject);
  Text result = subject;
  for (int i = 1; i <= count; ++i) {
    std::optional<Text> next =
        ReplaceTextWithin(result, MatchText(i), replacement, caseSensitive, kAnswerCapBytes);
    if (!next) {
      matches_.reset();
      return subject;
    }
    result = std::move(*next);
  }
  subject = result;
  return subject;
}

}  // namespace zonivo
