#pragma once

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zonivo {

// The matches of one run: the UTF-8 subject they point into and, per match,
// the start and end offsets of the whole match and of each group.
struct MatchCollection {
  std::string subject;
  int groupCount = 0;
  std::vector<PCRE2_SIZE> offsets;  // (groupCount + 1) pairs per match

  int Count() const;
  // Text of group `group` (0 = whole match) of match `match`, both from 0;
  // empty for an unset group.
  std::string_view Group(int match, int group) const;
};

// One compiled expression of PCRE2 in UTF mode, with match and depth limits so
// that no subject can hang the program. Without PCRE2's JIT, which keeps the
// program's patterns linear, the interpreter runs with a budget of steps for
// the whole subject. A pattern that PCRE2 refuses leaves an engine object that
// refuses every run.
class RegexEngine {
 public:
  RegexEngine(std::string_view utf8Pattern, bool caseSensitive, bool global);
  ~RegexEngine();
  RegexEngine(const RegexEngine&) = delete;
  RegexEngine& operator=(const RegexEngine&) = delete;

  bool Compiled() const { return code_ != nullptr; }

  // All matches (or the first, when not global); nullopt when the engine
  // refuses the pattern or the subject or hits a limit. The subject must be
  // valid UTF-8, as ToUtf8 writes it.
  std::optional<MatchCollection> Run(std::string utf8Subject) const;
  // Whether the subject holds a match; false also on a refusal.
  bool Test(std::string_view utf8Subject) const;

  // Whether new engine objects may use the JIT; tests turn it off.
  static void AllowJitForTesting(bool allowed);

 private:
  struct MatchData;
  class StepBudget;
  int MatchAt(const MatchData& data, std::string_view subject, PCRE2_SIZE offset,
              std::uint32_t options) const;

  pcre2_code* code_ = nullptr;
  pcre2_match_context* context_ = nullptr;
  pcre2_jit_stack* jitStack_ = nullptr;
  bool global_;
  bool jit_ = false;
};

}  // namespace zonivo
