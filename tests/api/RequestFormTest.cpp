#include <gtest/gtest.h>

#include "api/RequestForm.h"
#include "net/CodePage.h"

namespace zonivo {
namespace {

TEST(RequestFormTest, PercentEncodesUtf8BytesOfEveryValue) {
  EXPECT_EQ(PercentEncode("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(PercentEncode("a&b=c+d%e f"), "a%26b%3Dc%2Bd%25e%20f");
  EXPECT_EQ(PercentEncode(FromUtf8("默认")), "%E9%BB%98%E8%AE%A4");
  EXPECT_EQ(PercentEncode(""), "");
}

TEST(RequestFormTest, KeysAndOrderStayAsTheyAre) {
  AppState state;
  state.account = "a@b.c";
  state.password = "p&w";
  const Text value = "1.2.3.4&record_id=9";
  const Text empty;
  EXPECT_EQ(BuildRequestForm(state), "login_email=a%40b.c&login_password=p%26w&format=xml");
  EXPECT_EQ(
      BuildRequestForm(state, {{"value", value}, {"mx", empty}}),
      "login_email=a%40b.c&login_password=p%26w&format=xml&value=1.2.3.4%26record_id%3D9&mx=");
}

}  // namespace
}  // namespace zonivo
