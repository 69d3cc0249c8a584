#pragma once

#include <QPointer>

#include "net/Text.h"
#include "ui/toolkit/ClientWindow.h"
#include "ui/toolkit/CommandTail.h"

class QLineEdit;
class QMenu;

namespace zonivo {

class ListView;
class RecordsWindow;

// The start window: sign-in, the account's domains and their pop-up menu,
// and the link to the sign-up page. Closing it ends the program.
class MainWindow final : public ClientWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

 private:
  void BuildHeader();
  void BuildSignIn();
  void BuildDomainList();

  void OnSignIn();
  void OnDomainListRightClick();
  void OnAddDomain();
  void OnManageDomain();
  void OnDeleteDomain();
  void OnSignUp();

  // Fetches the domains again after the command's success message, saying so
  // when that fails.
  RefreshAfterSuccess RefreshDomainsAfter(const char* successUtf8);

  QLineEdit* account_ = nullptr;
  QLineEdit* password_ = nullptr;
  ListView* domains_ = nullptr;
  QMenu* menu_ = nullptr;
  QPointer<RecordsWindow> records_;
};

}  // namespace zonivo
