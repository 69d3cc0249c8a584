#pragma once

#include "net/HttpRequest.h"
#include "sandbox/StandInService.h"

namespace zonivo::test {

// Points the program at a fresh stand-in service for the lifetime of the
// object: the API base, the trusted test certificate, a fresh shared matcher
// and empty state. Pauses of the poll loop only process pending events, so a
// request that gets no answer ends in a few milliseconds.
class ServiceEnvironment {
 public:
  ServiceEnvironment();
  ~ServiceEnvironment();

  sandbox::StandInService& service() { return service_; }
  // Stores credentials as a sign-in would.
  void SignIn();

 private:
  sandbox::StandInService service_;
  HttpTransport savedTransport_;
  Text savedApiBase_;
};

}  // namespace zonivo::test
