#include "api/RequestForm.h"

#include "net/CodePage.h"

namespace zonivo {
namespace {

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

void AppendField(Text& form, const char* key, const Text& value) {
  form += '&';
  form += key;
  form += '=';
  form += PercentEncode(value);
}

}  // namespace

Text PercentEncode(const Text& value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  Text encoded;
  for (const unsigned char c : ToUtf8(value)) {
    if (Unreserved(c)) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0x0F];
    }
  }
  return encoded;
}

Text BuildRequestForm(const AppState& state, std::initializer_list<FormField> fields) {
  Text form = "login_email=" + PercentEncode(state.account);
  AppendField(form, "login_password", state.password);
  form += "&format=xml";
  for (const FormField& field : fields) AppendField(form, field.key, field.value);
  return form;
}

}  // namespace zonivo
