#pragma once

#include <cstdint>
#include <memory>

#include "net/PatternMatcher.h"
#include "net/Text.h"

namespace zonivo {

// The one process-wide record that the windows and the service operations
// share. Its fields are read and written directly.
struct AppState {
  Text account;
  Text password;
  std::unique_ptr<PatternMatcher> matcher;
  Text domainId;
  Text domainName;
  Text editDomainId;
  Text editRecordId;
  std::int32_t editRow = 0;
  Text addDomainId;
};

AppState& State();

// Overwrites the bytes of `text` with zeros, then empties it; the buffer
// itself is given back when `text` is released.
void WipeText(Text& text);

// Replaces the password with `password`, the bytes of the one it replaces
// wiped first.
void StorePassword(AppState& state, const Text& password);

// Empties both credentials, the password wiped.
void ClearCredentials(AppState& state);

// Releases the state's Texts and its matcher, in field order, the password
// wiped first. Safe to call whether or not a sign-in ever happened.
void ReleaseAppState();

}  // namespace zonivo
