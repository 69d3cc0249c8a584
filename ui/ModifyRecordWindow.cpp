#include "ui/ModifyRecordWindow.h"

#include "api/Commands.h"
#include "api/RecordList.h"
#include "api/ResultMessages.h"
#include "app/AppState.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/IntegerEdit.h"
#include "ui/toolkit/PictureButton.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {

ModifyRecordWindow::ModifyRecordWindow(QWidget* parent)
    : RecordEditorWindow(parent, "修改记录", 72) {
  setObjectName(QStringLiteral("ModifyRecordWindow"));
  connect(type_, &ComboBox::ItemChosen, this, &ModifyRecordWindow::OnModifyRecordTypeChosen);
  connect(ok_, &PictureButton::clicked, this, &ModifyRecordWindow::OnModifyRecordOk);
  connect(cancel_, &PictureButton::clicked, this, &ModifyRecordWindow::OnModifyRecordCancel);
}

void ModifyRecordWindow::OnCreated() { FillFromContext(); }

void ModifyRecordWindow::FillFromContext() {
  const AppState& state = State();
  domainId_ = state.editDomainId;
  recordId_ = state.editRecordId;
  const auto cell = [owner = Owner(), row = state.editRow](int column) {
    return owner ? owner->RecordCell(row, column) : Text();
  };
  // A text that begins no item leaves item 0 selected, also when refilled.
  line_->setCurrentIndex(0);
  type_->setCurrentIndex(0);
  SetEditText(host_, cell(kRecordName));
  line_->ComboSelectText(cell(kRecordLine));
  SetEditText(value_, cell(kRecordValue));
  type_->ComboSelectText(cell(kRecordType));
  SetEditText(mx_, cell(kRecordMx));
  SetEditText(ttl_, cell(kRecordTtl));
}

void ModifyRecordWindow::OnModifyRecordTypeChosen() { ApplyMxDefault(); }

void ModifyRecordWindow::OnModifyRecordOk() {
  const Text domainId = domainId_;
  const Text recordId = recordId_;
  Confirm(
      [&domainId, &recordId](const RecordFields& f) {
        return ModifyRecord(domainId, recordId, f.host, f.type, f.line, f.value, f.mx, f.ttl);
      },
      message::kRecordModified, domainId);
}

void ModifyRecordWindow::OnModifyRecordCancel() { UnloadWindow(this); }

}  // namespace zonivo
