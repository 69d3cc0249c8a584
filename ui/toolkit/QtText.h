#pragma once

#include <QString>

#include "net/Text.h"

namespace zonivo {

// The only crossing between Text (GBK) and the toolkit's strings.
QString ToQString(const Text& text);
Text ToText(const QString& text);

}  // namespace zonivo
