#include "ui/toolkit/QtText.h"

#include "net/CodePage.h"

namespace zonivo {

QString ToQString(const Text& text) {
  if (IsAscii(text)) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const std::string utf8 = ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text ToText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return FromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace zonivo
