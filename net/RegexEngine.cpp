#include "net/RegexEngine.h"

namespace zonivo {
namespace {

constexpr std::uint32_t kMatchLimit = 20'000'000;
constexpr std::uint32_t kDepthLimit = 100'000;
constexpr std::size_t kJitStackMax = 1024 * 1024;
// The interpreter restarts its match limit at every start position, so on its
// own one subject could cost time quadratic in its length. Every pattern item
// it tries counts as a step; a well-formed answer of 50,000 records takes far
// fewer than this.
constexpr std::uint64_t kInterpreterSteps = 100'000'000;

bool jitAllowed = true;

pcre2_code* Compile(std::string_view pattern, std::uint32_t options) {
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  return pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options,
                       &error, &errorOffset, nullptr);
}

int CountStep(pcre2_callout_block*, void* stepsLeft) {
  auto& left = *static_cast<std::uint64_t*>(stepsLeft);
  if (left == 0) return PCRE2_ERROR_MATCHLIMIT;
  --left;
  return 0;
}

// The offset of the UTF-8 character after the one at `offset`.
PCRE2_SIZE NextCharacter(std::string_view subject, PCRE2_SIZE offset) {
  ++offset;
  while (offset < subject.size() && (static_cast<unsigned char>(subject[offset]) & 0xC0) == 0x80)
    ++offset;
  return offset;
}

}  // namespace

// The steps the interpreter may take over one run, for the lifetime of the
// object; nothing when the JIT runs the pattern.
class RegexEngine::StepBudget {
 public:
  explicit StepBudget(const RegexEngine& engine)
      : context_(engine.jit_ ? nullptr : engine.context_) {
    if (context_) pcre2_set_callout(context_, CountStep, &stepsLeft_);
  }
  ~StepBudget() {
    if (context_) pcre2_set_callout(context_, nullptr, nullptr);
  }
  StepBudget(const StepBudget&) = delete;
  StepBudget& operator=(const StepBudget&) = delete;

 private:
  pcre2_match_context* context_;
  std::uint64_t stepsLeft_ = kInterpreterSteps;
};

struct RegexEngine::MatchData {
  explicit MatchData(const pcre2_code* code)
      : data(pcre2_match_data_create_from_pattern(code, nullptr)) {}
  ~MatchData() { pcre2_match_data_free(data); }
  pcre2_match_data* data;
};

int MatchCollection::Count() const {
  return static_cast<int>(offsets.size() / (2 * static_cast<std::size_t>(groupCount + 1)));
}

std::string_view MatchCollection::Group(int match, int group) const {
  const std::size_t at = 2 * (static_cast<std::size_t>(match) * (groupCount + 1) + group);
  const PCRE2_SIZE start = offsets[at], end = offsets[at + 1];
  if (start == PCRE2_UNSET || end < start) return {};
  return std::string_view(subject).substr(start, end - start);
}

RegexEngine::RegexEngine(std::string_view utf8Pattern, bool caseSensitive, bool global)
    : global_(global) {
  const std::uint32_t options = PCRE2_UTF | (caseSensitive ? 0 : PCRE2_CASELESS);
  code_ = Compile(utf8Pattern, options);
  if (code_ == nullptr) return;
  jit_ = jitAllowed && pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE) == 0;
  if (!jit_) {
    // Without the JIT every step of the interpreter is counted.
    pcre2_code_free(code_);
    code_ = Compile(utf8Pattern, options | PCRE2_AUTO_CALLOUT);
    if (code_ == nullptr) return;
  }
  context_ = pcre2_match_context_create(nullptr);
  pcre2_set_match_limit(context_, kMatchLimit);
  pcre2_set_depth_limit(context_, kDepthLimit);
  jitStack_ = pcre2_jit_stack_create(32 * 1024, kJitStackMax, nullptr);
  pcre2_jit_stack_assign(context_, nullptr, jitStack_);
}

RegexEngine::~RegexEngine() {
  pcre2_jit_stack_free(jitStack_);
  pcre2_match_context_free(context_);
  pcre2_code_free(code_);
}

int RegexEngine::MatchAt(const MatchData& data, std::string_view subject, PCRE2_SIZE offset,
                         std::uint32_t options) const {
  return pcre2_match(code_, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), offset,
                     options, data.data, context_);
}

void RegexEngine::AllowJitForTesting(bool allowed) { jitAllowed = allowed; }

bool RegexEngine::Test(std::string_view utf8Subject) const {
  if (!Compiled()) return false;
  const StepBudget budget(*this);
  const MatchData data(code_);
  return MatchAt(data, utf8Subject, 0, PCRE2_NO_UTF_CHECK) >= 0;
}

std::optional<MatchCollection> RegexEngine::Run(std::string utf8Subject) const {
  if (!Compiled()) return std::nullopt;
  MatchCollection found;
  found.subject = std::move(utf8Subject);
  std::uint32_t captures = 0;
  pcre2_pattern_info(code_, PCRE2_INFO_CAPTURECOUNT, &captures);
  found.groupCount = static_cast<int>(captures);
  const std::string_view subject = found.subject;
  const StepBudget budget(*this);
  const MatchData data(code_);
  const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.data);
  const std::size_t pairs = captures + 1;

  PCRE2_SIZE offset = 0;
  std::uint32_t options = PCRE2_NO_UTF_CHECK;
  // Iterates as PCRE2's own demonstration does: after an empty match, retry at
  // the same place for a non-empty one, else move on by one character.
  while (offset <= subject.size()) {
    const bool retryingEmpty = (options & PCRE2_NOTEMPTY_ATSTART) != 0;
    const int rc = MatchAt(data, subject, offset, options);
    if (rc == PCRE2_ERROR_NOMATCH && retryingEmpty) {
      offset = NextCharacter(subject, offset);
      options = PCRE2_NO_UTF_CHECK;
      continue;
    }
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) return std::nullopt;
    found.offsets.insert(found.offsets.end(), ovector, ovector + 2 * pairs);
    if (!global_) break;
    const bool empty = ovector[0] == ovector[1];
    offset = ovector[1];
    options = PCRE2_NO_UTF_CHECK | (empty ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0);
  }
  return found;
}

}  // namespace zonivo
