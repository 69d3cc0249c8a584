// The sandbox of the service: the demo account over HTTPS on a loopback port,
// with a certificate made at start. Prints where it serves, the certificate
// to trust and the account, then serves until its standard input closes.
#include <cstdio>

#include "sandbox/Certificate.h"
#include "sandbox/DemoAccount.h"
#include "sandbox/StandInService.h"

int main() {
  using namespace zonivo::sandbox;
  StandInService service;
  service.SetAccount("demo@zonivo.com", "demo1234");
  AddDemoAccount(service);
  std::printf("base %s\ncertificate %s\naccount demo@zonivo.com\npassword demo1234\n",
              service.BaseUrl().c_str(), LoopbackCertificate().pemFile.c_str());
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  return 0;
}
