#include <cstdio>

#include "app/Startup.h"
#include "ui/toolkit/Toolkit.h"

int main(int argc, char** argv) {
  if (!zonivo::DisplayAvailable()) {
    std::fputs(
        "zonivo-client: no display found; start it on a desktop (DISPLAY or WAYLAND_DISPLAY is not "
        "set)\n",
        stderr);
    return 1;
  }
  return zonivo::StartClient(argc, argv);
}
