#include "api/ServiceCall.h"

#include "api/Endpoints.h"
#include "net/DecodeText.h"
#include "net/HttpRequest.h"

namespace zonivo {

Text PostForm(std::string_view path, const Text& form) {
  const Bytes body = HttpRequest(ApiBase() + Text(path), "POST", {}, 0, {}, {}, form);
  return DecodeText(body, "utf-8");
}

Text ReadResultCode(PatternMatcher& matcher, const Text& answer) {
  matcher.Create("<code>(\\S*)</code>");
  matcher.Execute(answer);
  return matcher.SubMatchText(1, 1);
}

}  // namespace zonivo
