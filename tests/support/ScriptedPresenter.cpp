#include "tests/support/ScriptedPresenter.h"

#include <gtest/gtest.h>

#include <ostream>

#include "net/CodePage.h"

namespace zonivo::test {

ScriptedPresenter::ScriptedPresenter() { InstallDialogPresenter(this); }

ScriptedPresenter::~ScriptedPresenter() {
  InstallDialogPresenter(nullptr);
  if (!boxAnswers_.empty() || !entries_.empty())
    ADD_FAILURE() << "scripted answers left unused: " << boxAnswers_.size() << " boxes, "
                  << entries_.size() << " entries";
}

int ScriptedPresenter::MessageBox(const Text& text, int flags, const Text& title) {
  shown_.push_back({ToUtf8(text), flags, ToUtf8(title)});
  if (boxAnswers_.empty()) return kOk;
  const int answer = boxAnswers_.front();
  boxAnswers_.pop_front();
  return answer;
}

std::optional<Text> ScriptedPresenter::InputBox(const Text& prompt, const Text& title,
                                                const Text&) {
  shown_.push_back({ToUtf8(prompt), -1, ToUtf8(title)});
  if (entries_.empty()) return std::nullopt;
  const std::optional<std::string> entry = entries_.front();
  entries_.pop_front();
  if (!entry) return std::nullopt;
  return FromUtf8(*entry);
}

}  // namespace zonivo::test
