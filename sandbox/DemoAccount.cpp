#include "sandbox/DemoAccount.h"

namespace zonivo::sandbox {

void AddDemoAccount(StandInService& service) {
  const std::string domain = service.AddDomain("example.com");
  for (const char* name : {"zonivo.net", "例子.中国", "shop.example.org"}) service.AddDomain(name);
  service.AddDomain("paused.example.com", "disable");
  const StandInRecord records[] = {
      {.name = "www", .value = "203.0.113.10"},
      {.name = "www", .line = "电信", .value = "203.0.113.11"},
      {.name = "www", .line = "联通", .value = "198.51.100.7"},
      {.name = "@", .type = "MX", .value = "mail.example.com", .mx = "10"},
      {.name = "blog", .type = "CNAME", .value = "pages.example.net", .enabled = "0"},
      {.name = "@", .line = "国外", .type = "TXT", .ttl = "3600", .value = "v=spf1"},
      {.name = "v6", .type = "AAAA", .value = "2001:db8::1"},
  };
  for (const StandInRecord& record : records) service.AddRecord(domain, record);
}

}  // namespace zonivo::sandbox
