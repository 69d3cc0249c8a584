#pragma once

#include "ui/toolkit/ClientWindow.h"

namespace zonivo {

// The editor that adds a record to the domain whose records window is open. Owned by the records
// window.
class AddRecordWindow final : public ClientWindow {
  Q_OBJECT

 public:
  explicit AddRecordWindow(QWidget* parent);
};

}  // namespace zonivo
