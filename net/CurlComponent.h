#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "net/HttpComponent.h"
#include "net/Text.h"

namespace zonivo {

// Limits of every libcurl request. Certificates are always verified; `caFile`
// names extra trusted certificates and is set by tests only.
struct CurlSettings {
  std::string caFile;
  long connectTimeoutSeconds = 15;
  long totalTimeoutSeconds = 60;
  long stallSeconds = 30;  // below 1 byte/s for this long ends the request
  std::size_t bodyCap = kAnswerCapBytes;
};

CurlSettings& CurrentCurlSettings();

// A libcurl request object; null when libcurl cannot make one.
std::unique_ptr<HttpComponent> MakeCurlComponent();

}  // namespace zonivo
