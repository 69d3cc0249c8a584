#pragma once

#include <functional>
#include <memory>

#include "net/HttpComponent.h"
#include "net/Text.h"

namespace zonivo {

// What a request is made with: the maker of request objects (null when no
// component can be made) and the pause between two reads of the body.
struct HttpTransport {
  std::function<std::unique_ptr<HttpComponent>()> makeComponent;
  std::function<void(int lengthMs)> pause;
};

// The transport in use: libcurl and a pause on the steady clock that keeps
// the windows responsive. Tests may replace either part.
HttpTransport& CurrentHttpTransport();

// One synchronous HTTP exchange; returns the response body, empty when none
// came. Empty Texts and 0 mean "not given". The body of the last read is
// returned after at most pollLimit + 1 reads (0 means 10000).
Bytes HttpRequest(const Text& url, const Text& method = {}, const Text& proxyHost = {},
                  int proxyPort = 0, const Text& proxyUser = {}, const Text& proxyPassword = {},
                  const Text& body = {}, const Text& referer = {}, int pollLimit = 0);

}  // namespace zonivo
