#pragma once

#include <optional>

#include "net/Text.h"

namespace zonivo {

// The flags of ShowMessageBox that the windows use, with the values of the
// Windows message-box flags: buttons in the low four bits, the icon in the
// next four.
enum MessageBoxFlags { kOkOnly = 0, kYesNo = 4, kInformationIcon = 64 };

// Buttons that ShowMessageBox returns.
enum MessageBoxAnswer {
  kOk = 0,
  kCancel = 1,
  kAbort = 2,
  kRetry = 3,
  kIgnore = 4,
  kYes = 5,
  kNo = 6
};

// Shows the program's message boxes and entry dialog. The Qt presenter is the
// only one in the program; tests install a scripted one.
class DialogPresenter {
 public:
  virtual ~DialogPresenter() = default;
  // `flags` as the Windows message-box flags (MessageBoxFlags names those in
  // use). Returns a MessageBoxAnswer.
  virtual int MessageBox(const Text& text, int flags, const Text& title) = 0;
  // The entered text, or nothing when the dialog was cancelled or closed.
  virtual std::optional<Text> InputBox(const Text& prompt, const Text& title, const Text& text) = 0;
};

// Replaces the presenter; nullptr brings back the Qt one.
void InstallDialogPresenter(DialogPresenter* presenter);

// A modal message box for the whole program. An empty title shows "信息：".
int ShowMessageBox(const Text& text, int flags = kOkOnly, const Text& title = {});

// `text` with the information icon, an OK button and the title "信息".
void ShowInformation(const Text& text);

// A modal entry dialog holding `text`, all selected. `mode` 1 is a plain
// entry, the only mode there is.
std::optional<Text> ShowInputBox(const Text& prompt, const Text& title = {}, const Text& text = {},
                                 int mode = 1);

}  // namespace zonivo
