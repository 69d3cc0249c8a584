#include "ui/AddRecordWindow.h"

#include "net/CodePage.h"
#include "ui/toolkit/Controls.h"

namespace zonivo {

AddRecordWindow::AddRecordWindow(QWidget* parent) : ClientWindow(parent, {452, 128}) {
  setObjectName(QStringLiteral("AddRecordWindow"));
  SetCaption(this, FromUtf8("添加记录"));
}

}  // namespace zonivo
