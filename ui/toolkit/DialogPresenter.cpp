#include "ui/toolkit/DialogPresenter.h"

#include "net/CodePage.h"
#include "ui/toolkit/QtDialogPresenter.h"

namespace zonivo {
namespace {

DialogPresenter* installed = nullptr;

DialogPresenter& Presenter() {
  static QtDialogPresenter qt;
  if (installed) return *installed;
  return qt;
}

}  // namespace

void InstallDialogPresenter(DialogPresenter* presenter) { installed = presenter; }

int ShowMessageBox(const Text& text, int flags, const Text& title) {
  return Presenter().MessageBox(text, flags, title.empty() ? FromUtf8("信息：") : title);
}

void ShowInformation(const Text& text) {
  static const Text kTitle = FromUtf8("信息");
  ShowMessageBox(text, kInformationIcon, kTitle);
}

std::optional<Text> ShowInputBox(const Text& prompt, const Text& title, const Text& text, int) {
  return Presenter().InputBox(prompt, title, text);
}

}  // namespace zonivo
