#pragma once

#include <QPointer>

#include "ui/toolkit/ClientWindow.h"
#include "ui/toolkit/CommandTail.h"

class QMenu;

namespace zonivo {

class AddRecordWindow;
class ListView;
class ModifyRecordWindow;

// The records of one domain and the pop-up menu that adds, modifies,
// removes, disables and enables them. Opened modally from the main window;
// it owns the two record editors.
class RecordsWindow final : public ClientWindow {
  Q_OBJECT

 public:
  explicit RecordsWindow(QWidget* parent);

  // Fetches the list again; false when that failed.
  bool RefreshRecords(const Text& domainId);
  // A cell of the list; empty for one that does not exist.
  Text RecordCell(int row, int column) const;

 protected:
  void OnCreated() override;

 private:
  void BuildRecordList();

  void OnRecordListRightClick();
  void OnModifyRecord();
  void OnAddRecord();
  void OnDeleteRecord();
  void OnDisableRecord();
  void OnEnableRecord();

  void SetStatus(const char* status);
  RefreshAfterSuccess RefreshRecordsAfter(const char* successUtf8);

  ListView* records_ = nullptr;
  QMenu* menu_ = nullptr;
  QPointer<ModifyRecordWindow> modifyWindow_;
  QPointer<AddRecordWindow> addWindow_;
};

}  // namespace zonivo
