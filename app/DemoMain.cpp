// The demo build of the client: the same program aimed at a sandbox of the
// service, whose address and certificate it takes on its command line.
#include <cstdio>

#include "api/Endpoints.h"
#include "app/Startup.h"
#include "net/CurlComponent.h"
#include "ui/toolkit/Toolkit.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: zonivo-demo SANDBOX-ADDRESS CERTIFICATE-FILE\n", stderr);
    return 2;
  }
  if (!zonivo::DisplayAvailable()) {
    std::fputs("zonivo-demo: no display found\n", stderr);
    return 1;
  }
  zonivo::SetApiBaseForTesting(argv[1]);
  zonivo::CurrentCurlSettings().caFile = argv[2];
  int qtArgc = 1;
  return zonivo::StartClient(qtArgc, argv);
}
