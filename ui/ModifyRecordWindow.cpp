#include "ui/ModifyRecordWindow.h"

#include "net/CodePage.h"
#include "ui/toolkit/Controls.h"

namespace zonivo {

ModifyRecordWindow::ModifyRecordWindow(QWidget* parent) : ClientWindow(parent, {452, 128}) {
  setObjectName(QStringLiteral("ModifyRecordWindow"));
  SetCaption(this, FromUtf8("修改记录"));
}

}  // namespace zonivo
