#include "ui/toolkit/QtText.h"

#include "net/CodePage.h"

namespace zonivo {

QString ToQString(const Text& text) {
  if (IsAscii(text)) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const std::u16string utf16 = ToUtf16(text);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

Text ToText(const QString& text) {
  const QStringView view(text);
  return FromUtf16(std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size())));
}

}  // namespace zonivo
