#pragma once

#include <QPointer>
#include <functional>

#include "net/Text.h"
#include "ui/toolkit/ClientWindow.h"

class QLineEdit;

namespace zonivo {

class ComboBox;
class IntegerEdit;
class PictureButton;
class RecordsWindow;

// The six fields of a record, as an editor reads them.
struct RecordFields {
  Text type, line, host, value, mx, ttl;
};

// What the two record editors share: their layout, the MX default and the
// confirmation. An editor is owned by the records window, whose list it
// fetches again after a success.
class RecordEditorWindow : public ClientWindow {
  Q_OBJECT

 public:
  // From the confirmation on the editor is hidden, waits for its answer and
  // then closes; it is not reused meanwhile.
  bool Confirming() const { return confirming_; }

 protected:
  // `lineX` is the left edge of the line list, which differs by a few pixels
  // between the two editors.
  RecordEditorWindow(QWidget* parent, const char* captionUtf8, int lineX);

  RecordsWindow* Owner() const;
  // "1" into the MX box when the chosen type is "MX", else "0".
  void ApplyMxDefault();
  // Hides the editor, reads the fields, sends them with `send`, shows the
  // message and, on `successUtf8`, fetches the list of `domainId` again;
  // then closes, whatever the outcome.
  void Confirm(const std::function<Text(const RecordFields&)>& send, const char* successUtf8,
               const Text& domainId);

  QLineEdit* host_ = nullptr;
  ComboBox* line_ = nullptr;
  QLineEdit* value_ = nullptr;
  ComboBox* type_ = nullptr;
  IntegerEdit* mx_ = nullptr;
  IntegerEdit* ttl_ = nullptr;
  PictureButton* ok_ = nullptr;
  PictureButton* cancel_ = nullptr;

 private:
  RecordFields ReadFields() const;

  QPointer<RecordsWindow> owner_;
  bool confirming_ = false;
};

}  // namespace zonivo
