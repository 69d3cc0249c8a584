#pragma once

#include <memory>

#include "net/Text.h"

namespace zonivo {

class RegexEngine;
struct MatchCollection;

// A regular-expression wrapper: prepare an expression, run it over a Text and
// read matches and groups by number, both counted from 1. Copies share the
// engine object and the match collection; each reference is released alone.
class PatternMatcher {
 public:
  PatternMatcher();
  ~PatternMatcher();
  PatternMatcher(const PatternMatcher&) = delete;
  PatternMatcher& operator=(const PatternMatcher&) = delete;
  PatternMatcher(PatternMatcher&&) noexcept;
  PatternMatcher& operator=(PatternMatcher&&) noexcept;

  void Destroy();
  PatternMatcher Copy() const;
  bool Create(const Text& pattern, bool caseSensitive = false, bool global = true);
  bool Test(const Text& subject) const;
  int Execute(const Text& subject);
  Text MatchText(int matchIndex) const;
  int SubMatchCount(int matchIndex) const;
  Text SubMatchText(int matchIndex, int groupIndex) const;
  // Replaces, in `subject`, every occurrence of the text of each match.
  Text ReplaceAll(Text& subject, const Text& replacement = {}, bool caseSensitive = true);

 private:
  bool HasMatch(int matchIndex) const;

  std::shared_ptr<const RegexEngine> expression_;
  std::shared_ptr<const MatchCollection> matches_;
};

}  // namespace zonivo
