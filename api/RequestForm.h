#pragma once

#include <initializer_list>

#include "app/AppState.h"
#include "net/Text.h"

namespace zonivo {

struct FormField {
  const char* key;
  const Text& value;
};

// The value's UTF-8 bytes, percent-encoded as application/x-www-form-urlencoded
// requires: every byte but A-Z, a-z, 0-9, "-", ".", "_" and "~" as %XX.
Text PercentEncode(const Text& value);

// The body of an API request: the account's credentials, "format=xml", then
// `fields` in order. Every value is percent-encoded, so none can change how
// the service splits the form.
Text BuildRequestForm(const AppState& state, std::initializer_list<FormField> fields = {});

}  // namespace zonivo
