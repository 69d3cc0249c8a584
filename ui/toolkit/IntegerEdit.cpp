#include "ui/toolkit/IntegerEdit.h"

#include <QKeyEvent>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "ui/toolkit/QtText.h"

namespace zonivo {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A key whose text is not typed into the box: none, a control character, or
// one pressed with Ctrl (copy, paste, undo...).
bool IsControlKey(const QKeyEvent* event) {
  const QString text = event->text();
  return text.isEmpty() || text.at(0).category() == QChar::Other_Control ||
         (event->modifiers() & Qt::ControlModifier);
}

bool IsIntegerTyping(const QString& text) {
  for (const QChar c : text)
    if (c != QLatin1Char('-') && (c < QLatin1Char('0') || c > QLatin1Char('9'))) return false;
  return true;
}

}  // namespace

Text NormalisedInteger(const Text& text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  const bool negative = pos < text.size() && text[pos] == '-';
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  // Past ten digits the number is out of the 32-bit range whatever follows, so
  // it stops growing there and the clamp below gives the same result.
  constexpr std::int64_t kBeyondRange = 10'000'000'000;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos)
    if (magnitude < kBeyondRange) magnitude = magnitude * 10 + (text[pos] - '0');
  const std::int64_t value = negative ? -magnitude : magnitude;
  const std::int64_t clamped = std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  return clamped == 0 ? Text() : std::to_string(clamped);
}

IntegerEdit::IntegerEdit(QWidget* parent) : QLineEdit(parent) {}

void IntegerEdit::keyPressEvent(QKeyEvent* event) {
  if (IsControlKey(event) || IsIntegerTyping(event->text())) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();  // refused: nothing is typed
}

void IntegerEdit::focusOutEvent(QFocusEvent* event) {
  const QString normalised = ToQString(NormalisedInteger(ToText(text())));
  if (normalised != text()) setText(normalised);
  QLineEdit::focusOutEvent(event);
}

}  // namespace zonivo
