#pragma once

#include "ui/RecordEditorWindow.h"

namespace zonivo {

// The editor that adds a record to the domain whose records window is open.
class AddRecordWindow final : public RecordEditorWindow {
  Q_OBJECT

 public:
  explicit AddRecordWindow(QWidget* parent);

 private:
  void OnAddRecordTypeChosen();
  void OnAddRecordOk();
  void OnAddRecordCancel();
};

}  // namespace zonivo
