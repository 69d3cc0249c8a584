#pragma once

#include <string>

#include "net/Text.h"

namespace zonivo {

// One request object of the HTTP component, step by step. Texts are UTF-8.
// A step that fails reports nothing; the caller goes on with the next one.
// Destroying the object releases it.
class HttpComponent {
 public:
  virtual ~HttpComponent() = default;
  virtual void SetProxy(const std::string& server) = 0;
  virtual void SetProxyCredentials(const std::string& user, const std::string& password) = 0;
  virtual void Open(const std::string& method, const std::string& url) = 0;
  virtual void SetHeader(const std::string& name, const std::string& value) = 0;
  // Sends the request and returns when the exchange has ended.
  virtual void Send(const std::string& body) = 0;
  // The response body received so far; empty while there is none.
  virtual Bytes ReadBody() = 0;
};

}  // namespace zonivo
