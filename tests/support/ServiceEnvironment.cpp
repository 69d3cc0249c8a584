#include "tests/support/ServiceEnvironment.h"

#include "api/Endpoints.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/CurlComponent.h"
#include "net/WindowEvents.h"
#include "sandbox/Certificate.h"

namespace zonivo::test {

ServiceEnvironment::ServiceEnvironment()
    : savedTransport_(CurrentHttpTransport()), savedApiBase_(ApiBase()) {
  SetApiBaseForTesting(service_.BaseUrl());
  CurrentCurlSettings() = CurlSettings{};
  CurrentCurlSettings().caFile = sandbox::LoopbackCertificate().pemFile;
  CurrentHttpTransport().pause = [](int) { ProcessPendingEvents(); };
  State() = AppState{};
  State().matcher = std::make_unique<PatternMatcher>();
}

ServiceEnvironment::~ServiceEnvironment() {
  CurrentHttpTransport() = savedTransport_;
  CurrentCurlSettings() = CurlSettings{};
  SetApiBaseForTesting(savedApiBase_);
  State() = AppState{};
}

void ServiceEnvironment::SignIn() {
  State().account = "user@example.com";
  State().password = "secret";
}

}  // namespace zonivo::test
