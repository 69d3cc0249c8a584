#pragma once

#include "ui/toolkit/ClientWindow.h"

namespace zonivo {

// The editor that changes the record chosen in the records window. Owned by the records window.
class ModifyRecordWindow final : public ClientWindow {
  Q_OBJECT

 public:
  explicit ModifyRecordWindow(QWidget* parent);
};

}  // namespace zonivo
