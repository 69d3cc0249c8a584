#include "app/AppState.h"

#include <cstring>

namespace zonivo {
namespace {

void Release(Text& text) {
  text.clear();
  text.shrink_to_fit();
}

}  // namespace

AppState& State() {
  static AppState state;
  return state;
}

void WipeText(Text& text) {
  explicit_bzero(text.data(), text.size());
  text.clear();
}

void StorePassword(AppState& state, const Text& password) {
  WipeText(state.password);
  state.password = password;
}

void ClearCredentials(AppState& state) {
  state.account.clear();
  WipeText(state.password);
}

void ReleaseAppState() {
  AppState& state = State();
  Release(state.account);
  WipeText(state.password);
  Release(state.password);
  if (state.matcher) state.matcher->Destroy();
  state.matcher.reset();
  Release(state.domainId);
  Release(state.domainName);
  Release(state.editDomainId);
  Release(state.editRecordId);
  Release(state.addDomainId);
}

}  // namespace zonivo
