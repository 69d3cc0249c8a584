#pragma once

#include "net/Text.h"

namespace zonivo {

// Reads `bytes` in the character set named `charset` and returns them as Text
// in the system code page. Empty when nothing could be decoded or the
// character set is unknown or not named. A leading UTF-8 byte-order mark is dropped.
Text DecodeText(const Bytes& bytes, const Text& charset);

}  // namespace zonivo
