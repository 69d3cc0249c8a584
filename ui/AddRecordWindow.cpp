#include "ui/AddRecordWindow.h"

#include "api/Commands.h"
#include "api/ResultMessages.h"
#include "app/AppState.h"
#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/IntegerEdit.h"
#include "ui/toolkit/PictureButton.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {

AddRecordWindow::AddRecordWindow(QWidget* parent) : RecordEditorWindow(parent, "添加记录", 74) {
  setObjectName(QStringLiteral("AddRecordWindow"));
  SetEditText(mx_, "0");
  SetEditText(ttl_, "600");
  connect(type_, &ComboBox::ItemChosen, this, &AddRecordWindow::OnAddRecordTypeChosen);
  connect(ok_, &PictureButton::clicked, this, &AddRecordWindow::OnAddRecordOk);
  connect(cancel_, &PictureButton::clicked, this, &AddRecordWindow::OnAddRecordCancel);
}

void AddRecordWindow::OnAddRecordTypeChosen() { ApplyMxDefault(); }

void AddRecordWindow::OnAddRecordOk() {
  const Text domainId = State().addDomainId;
  Confirm(
      [&domainId](const RecordFields& f) {
        return CreateRecord(domainId, f.host, f.type, f.line, f.value, f.mx, f.ttl);
      },
      message::kRecordAdded, domainId);
}

void AddRecordWindow::OnAddRecordCancel() { UnloadWindow(this); }

}  // namespace zonivo
