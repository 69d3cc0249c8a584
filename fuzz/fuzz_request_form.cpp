// The request form: it splits into exactly its fields, in order, and every
// value percent-decodes to exactly its UTF-8.
#include <cstdlib>
#include <string>

#include "api/RequestForm.h"
#include "fuzz/FuzzInput.h"
#include "net/CodePage.h"

using namespace zonivo;

namespace {

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decodes %XX escapes; any other escape or reserved character is a fault.
std::string Decode(const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '%') {
      if (value[i] == '&' || value[i] == '=' || value[i] == '+') std::abort();
      out += value[i];
      continue;
    }
    if (i + 2 >= value.size()) std::abort();
    const int high = Hex(value[i + 1]), low = Hex(value[i + 2]);
    if (high < 0 || low < 0) std::abort();
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzz::Parts(data, size, 4);
  AppState state;
  state.account = parts[0];
  state.password = parts[1];
  const Text form = BuildRequestForm(state, {{"domain_id", parts[2]}, {"value", parts[3]}});
  const std::string keys[] = {"login_email", "login_password", "format", "domain_id", "value"};
  const std::string expected[] = {ToUtf8(parts[0]), ToUtf8(parts[1]), "xml", ToUtf8(parts[2]),
                                  ToUtf8(parts[3])};
  std::size_t start = 0;
  for (std::size_t field = 0; field < 5; ++field) {
    const std::size_t end = field < 4 ? form.find('&', start) : form.size();
    if (end == std::string::npos) std::abort();
    const std::string pair = form.substr(start, end - start);
    const std::size_t eq = pair.find('=');
    if (eq == std::string::npos || pair.substr(0, eq) != keys[field]) std::abort();
    if (Decode(pair.substr(eq + 1)) != expected[field]) std::abort();
    start = end + 1;
  }
  if (start != form.size() + 1) std::abort();
  return 0;
}
