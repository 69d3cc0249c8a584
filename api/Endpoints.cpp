#include "api/Endpoints.h"

namespace zonivo {
namespace {

Text& Base() {
  static Text base = "https://api.zonivo.com";
  return base;
}

}  // namespace

Text ApiBase() { return Base(); }

void SetApiBaseForTesting(const Text& base) { Base() = base; }

}  // namespace zonivo
