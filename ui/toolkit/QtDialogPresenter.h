#pragma once

#include "ui/toolkit/DialogPresenter.h"

namespace zonivo {

// Message boxes and the entry dialog as real Qt dialogs, modal for the whole
// program.
class QtDialogPresenter final : public DialogPresenter {
 public:
  int MessageBox(const Text& text, int flags, const Text& title) override;
  std::optional<Text> InputBox(const Text& prompt, const Text& title, const Text& text) override;
};

}  // namespace zonivo
