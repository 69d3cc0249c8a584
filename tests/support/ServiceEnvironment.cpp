#include "ServiceEnvironment.h"

#include "AppState.h"
#include "CodePage.h"
#include "CurlComponent.h"
#include "Endpoints.h"
#include "TestCertificate.h"
#include "WindowEvents.h"

namespace zonivo::test {

ServiceEnvironment::ServiceEnvironment() : savedTransport_(CurrentHttpTransport()) {
  SetApiBaseForTesting(service_.BaseUrl());
  CurrentCurlSettings() = CurlSettings{};
  CurrentCurlSettings().caFile = LoopbackCertificate().pemFile;
  CurrentHttpTransport().pause = [](int) { ProcessPendingEvents(); };
  State() = AppState{};
  State().matcher = std::make_unique<PatternMatcher>();
}

ServiceEnvironment::~ServiceEnvironment() {
  CurrentHttpTransport() = savedTransport_;
  CurrentCurlSettings() = CurlSettings{};
  SetApiBaseForTesting("https://api.zonivo.com");
  State() = AppState{};
}

void ServiceEnvironment::SignIn() {
  State().account = "user@example.com";
  State().password = "secret";
}

}  // namespace zonivo::test
