#include "net/CurlComponent.h"

#include <curl/curl.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "net/WindowEvents.h"

namespace zonivo {
namespace {

// libcurl's global set-up, done once before the first request and undone at
// the end of the program.
class CurlLibrary {
 public:
  CurlLibrary() { curl_global_init(CURL_GLOBAL_DEFAULT); }
  ~CurlLibrary() { curl_global_cleanup(); }
  CurlLibrary(const CurlLibrary&) = delete;
  CurlLibrary& operator=(const CurlLibrary&) = delete;
};

void EnsureCurlLibrary() { static const CurlLibrary library; }

// Connections, TLS sessions and name look-ups are kept between requests; each
// request still has its own easy handle. Exchanges run one at a time, each on
// a thread of its own, so the share handle takes a lock (libcurl may take it
// again for another kind of data while holding it).
std::recursive_mutex shareLock;

void LockShare(CURL*, curl_lock_data, curl_lock_access, void*) { shareLock.lock(); }
void UnlockShare(CURL*, curl_lock_data, void*) { shareLock.unlock(); }

CURLSH* SharedCache() {
  static CURLSH* share = [] {
    CURLSH* s = curl_share_init();
    curl_share_setopt(s, CURLSHOPT_LOCKFUNC, LockShare);
    curl_share_setopt(s, CURLSHOPT_UNLOCKFUNC, UnlockShare);
    curl_share_setopt(s, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
    curl_share_setopt(s, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
    curl_share_setopt(s, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    return s;
  }();
  return share;
}

class CurlComponent final : public HttpComponent {
 public:
  explicit CurlComponent(CURL* easy) : easy_(easy) { ApplyLimits(); }
  ~CurlComponent() override {
    curl_easy_cleanup(easy_);
    curl_slist_free_all(headers_);
  }

  void SetProxy(const std::string& server) override {
    curl_easy_setopt(easy_, CURLOPT_PROXY, server.c_str());
  }
  void SetProxyCredentials(const std::string& user, const std::string& password) override {
    curl_easy_setopt(easy_, CURLOPT_PROXYUSERNAME, user.c_str());
    curl_easy_setopt(easy_, CURLOPT_PROXYPASSWORD, password.c_str());
  }
  void Open(const std::string& method, const std::string& url) override {
    method_ = method;
    curl_easy_setopt(easy_, CURLOPT_URL, url.c_str());
  }
  void SetHeader(const std::string& name, const std::string& value) override {
    // "Name;" is libcurl's way to send a header whose value is empty.
    const std::string line = value.empty() ? name + ";" : name + ": " + value;
    headers_ = curl_slist_append(headers_, line.c_str());
  }
  void Send(const std::string& body) override;
  Bytes ReadBody() override { return complete_ ? body_ : Bytes{}; }

 private:
  void ApplyLimits();
  void SetMethodAndBody(const std::string& body);
  static std::size_t Receive(char* data, std::size_t size, std::size_t count, void* self);

  CURL* easy_;
  curl_slist* headers_ = nullptr;
  std::string method_ = "GET";
  Bytes body_;
  bool complete_ = false;
};

void CurlComponent::ApplyLimits() {
  const CurlSettings& settings = CurrentCurlSettings();
  curl_easy_setopt(easy_, CURLOPT_SHARE, SharedCache());
  curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!settings.caFile.empty()) curl_easy_setopt(easy_, CURLOPT_CAINFO, settings.caFile.c_str());
  curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, settings.connectTimeoutSeconds);
  curl_easy_setopt(easy_, CURLOPT_TIMEOUT, settings.totalTimeoutSeconds);
  curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, settings.stallSeconds);
  curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlComponent::Receive);
  curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
}

void CurlComponent::SetMethodAndBody(const std::string& body) {
  if (method_ == "GET" && body.empty()) {
    curl_easy_setopt(easy_, CURLOPT_HTTPGET, 1L);
    return;
  }
  if (method_ == "HEAD") {
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    return;
  }
  curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(easy_, CURLOPT_COPYPOSTFIELDS, body.c_str());
  if (method_ != "POST") curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, method_.c_str());
}

void CurlComponent::Send(const std::string& body) {
  SetMethodAndBody(body);
  // No "Expect: 100-continue" round trip before a large body.
  headers_ = curl_slist_append(headers_, "Expect:");
  curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
  body_.clear();
  // The exchange runs on a thread of its own while the window thread keeps the
  // windows drawn; nothing else touches this request meanwhile.
  std::atomic<bool> finished = false;
  CURLcode result = CURLE_OK;
  std::thread exchange([this, &finished, &result] {
    result = curl_easy_perform(easy_);
    finished = true;
  });
  KeepWindowsDrawnUntil([&finished] { return finished.load(); });
  exchange.join();
  complete_ = result == CURLE_OK;
}

std::size_t CurlComponent::Receive(char* data, std::size_t size, std::size_t count, void* self) {
  auto* component = static_cast<CurlComponent*>(self);
  const std::size_t length = size * count;
  if (component->body_.size() + length > CurrentCurlSettings().bodyCap) return CURL_WRITEFUNC_ERROR;
  component->body_.insert(component->body_.end(), data, data + length);
  return length;
}

}  // namespace

CurlSettings& CurrentCurlSettings() {
  static CurlSettings settings;
  return settings;
}

std::unique_ptr<HttpComponent> MakeCurlComponent() {
  EnsureCurlLibrary();
  CURL* easy = curl_easy_init();
  if (easy == nullptr) return nullptr;
  return std::make_unique<CurlComponent>(easy);
}

}  // namespace zonivo
