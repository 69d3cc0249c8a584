#pragma once

#include "ui/toolkit/ClientWindow.h"

namespace zonivo {

// The window of one domain's records. For now it shows the domain's name in
// its caption; its list and menu come later.
class RecordsWindow final : public ClientWindow {
  Q_OBJECT

 public:
  explicit RecordsWindow(QWidget* parent);

 protected:
  void OnCreated() override;
};

}  // namespace zonivo
