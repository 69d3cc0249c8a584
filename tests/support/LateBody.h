#pragma once

#include <memory>
#include <string>

#include "net/CurlComponent.h"
#include "net/HttpComponent.h"

namespace zonivo::test {

// The real libcurl request; a test derives from it to change one step.
class RealRequest : public HttpComponent {
 public:
  RealRequest() : real_(MakeCurlComponent()) {}
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
  Bytes ReadBody() override { return real_->ReadBody(); }

 private:
  std::unique_ptr<HttpComponent> real_;
};

// The real request, whose body shows up only at the second read, so that the
// poll loop pauses once and processes pending events.
class LateBody final : public RealRequest {
 public:
  Bytes ReadBody() override { return reads_++ == 0 ? Bytes{} : RealRequest::ReadBody(); }

 private:
  int reads_ = 0;
};

}  // namespace zonivo::test
