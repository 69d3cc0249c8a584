#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/toolkit/DialogPresenter.h"

namespace zonivo::test {

// One message box or entry dialog as the program asked for it, texts in UTF-8.
// An entry dialog has flags -1 and its prompt as text.
struct ShownDialog {
  std::string text;
  int flags;
  std::string title;
  bool operator==(const ShownDialog&) const = default;
};

// Records every dialog and answers from a script; installed for its lifetime.
// Message boxes without a scripted answer get OK; entry dialogs without one
// are cancelled. A script that is not used up fails the test.
class ScriptedPresenter final : public DialogPresenter {
 public:
  ScriptedPresenter();
  ~ScriptedPresenter() override;

  void AnswerNextBox(int answer) { boxAnswers_.push_back(answer); }
  void EnterNext(std::optional<std::string> utf8Text) { entries_.push_back(std::move(utf8Text)); }
  const std::vector<ShownDialog>& Shown() const { return shown_; }
  void ClearShown() { shown_.clear(); }

  int MessageBox(const Text& text, int flags, const Text& title) override;
  std::optional<Text> InputBox(const Text& prompt, const Text& title, const Text& text) override;

 private:
  std::deque<int> boxAnswers_;
  std::deque<std::optional<std::string>> entries_;
  std::vector<ShownDialog> shown_;
};

}  // namespace zonivo::test
