#include "ui/RecordsWindow.h"

#include "app/AppState.h"
#include "net/CodePage.h"
#include "ui/toolkit/Controls.h"

namespace zonivo {

RecordsWindow::RecordsWindow(QWidget* parent) : ClientWindow(parent, {622, 465}) {
  setObjectName(QStringLiteral("RecordsWindow"));
  SetCaption(this, FromUtf8("Zonivo 客户端   -   域名管理   作者Marbeck"));
}

void RecordsWindow::OnCreated() {
  SetCaption(this, FromUtf8("Zonivo 客户端  -  ") + State().domainName);
}

}  // namespace zonivo
