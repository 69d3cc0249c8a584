#include <curl/curl.h>

#include <cstdio>

#include "EventLoop.h"
#include "Startup.h"

int main(int argc, char** argv) {
  if (!zonivo::DisplayAvailable()) {
    std::fputs("zonivo-client: no display found; start it on a desktop (DISPLAY or WAYLAND_DISPLAY is not set)\n",
               stderr);
    return 1;
  }
  curl_global_init(CURL_GLOBAL_DEFAULT);
  const int code = zonivo::StartClient(argc, argv);
  curl_global_cleanup();
  return code;
}
