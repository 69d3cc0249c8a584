#pragma once

#include "ui/RecordEditorWindow.h"

namespace zonivo {

// The editor that changes the record chosen in the records window. It keeps
// the domain and record it was filled for, so a refresh of the list (which
// renumbers the rows) never changes what it sends.
class ModifyRecordWindow final : public RecordEditorWindow {
  Q_OBJECT

 public:
  explicit ModifyRecordWindow(QWidget* parent);

  // Fills the fields from the row of the editor context and takes that
  // row's domain and record as its own.
  void FillFromContext();

 protected:
  void OnCreated() override;

 private:
  void OnModifyRecordTypeChosen();
  void OnModifyRecordOk();
  void OnModifyRecordCancel();

  Text domainId_;
  Text recordId_;
};

}  // namespace zonivo
