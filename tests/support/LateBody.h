#pragma once

#include <memory>
#include <string>

#include "net/CurlComponent.h"
#include "net/HttpComponent.h"

namespace zonivo::test {

// The real libcurl request, whose body shows up only at the second read, so
// that the poll loop pauses once and processes pending events.
class LateBody final : public HttpComponent {
 public:
  LateBody() : real_(MakeCurlComponent()) {}
  void SetProxy(const std::string& server) override { real_->SetProxy(server); }
  void SetProxyCredentials(const std::string& user, const std::string& password) override {
    real_->SetProxyCredentials(user, password);
  }
  void Open(const std::string& method, const std::string& url) override {
    real_->Open(method, url);
  }
  void SetHeader(const std::string& name, const std::string& value) override {
    real_->SetHeader(name, value);
  }
  void Send(const std::string& body) override { real_->Send(body); }
  Bytes ReadBody() override { return reads_++ == 0 ? Bytes{} : real_->ReadBody(); }

 private:
  std::unique_ptr<HttpComponent> real_;
  int reads_ = 0;
};

}  // namespace zonivo::test
