#include "net/HttpRequest.h"

#include "net/CodePage.h"
#include "net/CurlComponent.h"
#include "net/Pause.h"
#include "net/WindowEvents.h"

namespace zonivo {
namespace {

constexpr int kDefaultPollLimit = 10000;
constexpr int kPauseMs = 1;

std::string ProxyServer(const Text& host, int port) {
  return ToUtf8(host) + ":" + std::to_string(port == 0 ? 80 : port);
}

void NameProxy(HttpComponent& request, const Text& host, int port, const Text& user,
               const Text& password) {
  if (host.empty()) return;
  request.SetProxy(ProxyServer(host, port));
  if (!user.empty()) request.SetProxyCredentials(ToUtf8(user), ToUtf8(password));
}

}  // namespace

HttpTransport& CurrentHttpTransport() {
  static HttpTransport transport{
      MakeCurlComponent, [](int lengthMs) { PauseWhileProcessingEvents(lengthMs, SteadyClock()); }};
  return transport;
}

Bytes HttpRequest(const Text& url, const Text& method, const Text& proxyHost, int proxyPort,
                  const Text& proxyUser, const Text& proxyPassword, const Text& body,
                  const Text& referer, int pollLimit) {
  HttpTransport& transport = CurrentHttpTransport();
  std::unique_ptr<HttpComponent> request = transport.makeComponent();
  if (!request) return {};
  const BusyWhileAlive busy;
  NameProxy(*request, proxyHost, proxyPort, proxyUser, proxyPassword);
  request->Open(method.empty() ? "GET" : ToUtf8(method), ToUtf8(url));
  request->SetHeader("Referer", ToUtf8(referer));
  request->SetHeader("Accept-Language", "zh-cn");
  request->SetHeader("Content-Type", "application/x-www-form-urlencoded");
  request->Send(ToUtf8(body));

  const int limit = pollLimit == 0 ? kDefaultPollLimit : pollLimit;
  Bytes answer;
  for (int polls = 0;;) {
    answer = request->ReadBody();
    if (!answer.empty()) break;
    ++polls;
    transport.pause(kPauseMs);
    if (polls > limit) break;
  }
  return answer;
}

}  // namespace zonivo
