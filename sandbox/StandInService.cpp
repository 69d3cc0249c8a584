#include "sandbox/StandInService.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>
#include <chrono>

#include "sandbox/Certificate.h"

namespace zonivo::sandbox {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Decodes one application/x-www-form-urlencoded key or value.
std::string FormDecode(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '+') {
      out += ' ';
    } else if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 &&
               HexValue(s[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> ParseForm(const std::string& body) {
  std::vector<std::pair<std::string, std::string>> fields;
  std::size_t start = 0;
  while (start <= body.size()) {
    std::size_t end = body.find('&', start);
    if (end == std::string::npos) end = body.size();
    const std::string part = body.substr(start, end - start);
    const std::size_t eq = part.find('=');
    if (!part.empty())
      fields.emplace_back(FormDecode(part.substr(0, eq)),
                          eq == std::string::npos ? "" : FormDecode(part.substr(eq + 1)));
    start = end + 1;
  }
  return fields;
}

std::string Envelope(const std::string& code, const std::string& inner = {}) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<zonivo>\n<status>\n<code>" + code +
         "</code>\n<message><![CDATA[stand-in]]></message>\n</status>\n" + inner + "</zonivo>\n";
}

std::string DomainItem(const StandInDomain& d) {
  return "<item>\n<id>" + d.id + "</id>\n<name>" + d.name + "</name>\n<status>" + d.status +
         "</status>\n<records>" + std::to_string(d.records.size()) + "</records>\n<group_id>" +
         d.groupId + "</group_id>\n</item>\n";
}

std::string RecordItem(const StandInRecord& r) {
  return "<item>\n<id>" + r.id + "</id>\n<name>" + r.name + "</name>\n<line><![CDATA[" + r.line +
         "]]></line>\n<type>" + r.type + "</type>\n<ttl>" + r.ttl + "</ttl>\n<value><![CDATA[" +
         r.value + "]]></value>\n<mx>" + r.mx + "</mx>\n<enabled>" + r.enabled +
         "</enabled>\n</item>\n";
}

bool Numeric(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

std::string ReceivedRequest::Header(const std::string& lowerName) const {
  const auto it = headers.find(lowerName);
  return it == headers.end() ? std::string() : it->second;
}

std::string ReceivedRequest::Field(const std::string& key) const {
  for (const auto& [k, v] : fields)
    if (k == key) return v;
  return {};
}

std::vector<std::string> ReceivedRequest::Keys() const {
  std::vector<std::string> keys;
  for (const auto& field : fields) keys.push_back(field.first);
  return keys;
}

Reply Reply::Code(const std::string& code) { return Body(Envelope(code)); }
Reply Reply::Body(std::string body, int status) {
  return {Kind::kBody, status, std::move(body), 0};
}
Reply Reply::Stall(int seconds) { return {Kind::kStall, 200, {}, 0, seconds}; }
Reply Reply::Drop() { return {Kind::kDrop, 200, {}, 0}; }
Reply Reply::Oversize(std::size_t bytes) { return {Kind::kOversize, 200, {}, bytes}; }
Reply Reply::OversizeWithLength(std::size_t bytes) {
  return {Kind::kOversizeWithLength, 200, {}, bytes};
}

StandInService::StandInService() {
  const Certificate& cert = LoopbackCertificate();
  server_ = std::make_unique<httplib::SSLServer>(cert.certificate, cert.key);
  // One request a connection, so that stopping never waits for an idle one.
  server_->set_keep_alive_max_count(1);
  server_->Post(".*",
                [this](const httplib::Request& req, httplib::Response& res) { Handle(req, res); });
  server_->Get(".*",
               [this](const httplib::Request& req, httplib::Response& res) { Handle(req, res); });
  port_ = server_->bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

StandInService::~StandInService() { Stop(); }

std::string StandInService::BaseUrl() const { return "https://127.0.0.1:" + std::to_string(port_); }

void StandInService::Stop() {
  stopping_ = true;
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
}

void StandInService::SetAccount(std::string email, std::string password) {
  std::lock_guard lock(mutex_);
  email_ = std::move(email);
  password_ = std::move(password);
}

std::string StandInService::AddDomain(const std::string& name, const std::string& status) {
  std::lock_guard lock(mutex_);
  StandInDomain domain{std::to_string(nextId_++), name, status, "1", {}};
  domains_.push_back(domain);
  return domain.id;
}

std::string StandInService::AddRecord(const std::string& domainId, StandInRecord record) {
  std::lock_guard lock(mutex_);
  record.id = std::to_string(nextId_++);
  if (StandInDomain* domain = FindDomain(domainId)) domain->records.push_back(record);
  return record.id;
}

std::vector<StandInDomain> StandInService::Domains() const {
  std::lock_guard lock(mutex_);
  return domains_;
}

void StandInService::ReplyNext(Reply reply) {
  std::lock_guard lock(mutex_);
  replies_.push_back(std::move(reply));
}

std::vector<ReceivedRequest> StandInService::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void StandInService::ClearRequests() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

StandInDomain* StandInService::FindDomain(const std::string& id) {
  for (StandInDomain& domain : domains_)
    if (domain.id == id) return &domain;
  return nullptr;
}

void StandInService::Handle(const httplib::Request& req, httplib::Response& res) {
  ReceivedRequest received{req.method, req.path, req.body, {}, ParseForm(req.body)};
  for (const auto& [name, value] : req.headers) received.headers.emplace(Lower(name), value);
  std::unique_lock lock(mutex_);
  requests_.push_back(received);
  if (!replies_.empty()) {
    const Reply reply = replies_.front();
    replies_.pop_front();
    lock.unlock();
    Answer(reply, res);
    return;
  }
  res.set_content(Serve(req.path, received), "text/xml; charset=utf-8");
}

void StandInService::Answer(const Reply& reply, httplib::Response& res) {
  res.status = reply.status;
  switch (reply.kind) {
    case Reply::Kind::kBody: res.set_content(reply.body, "text/xml; charset=utf-8"); return;
    case Reply::Kind::kStall:
      res.set_chunked_content_provider(
          "text/xml", [this, seconds = reply.stallSeconds](std::size_t, httplib::DataSink& sink) {
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
            while (!stopping_ && sink.is_writable() && std::chrono::steady_clock::now() < end)
              std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return false;
          });
      return;
    case Reply::Kind::kDrop:
      res.set_content_provider(1000, "text/xml",
                               [](std::size_t, std::size_t, httplib::DataSink& sink) {
                                 sink.write("<zonivo><status><code>1</code>", 30);
                                 return false;
                               });
      return;
    case Reply::Kind::kOversizeWithLength:
      res.set_content_provider(
          reply.size, "text/xml", [](std::size_t, std::size_t length, httplib::DataSink& sink) {
            const std::string chunk(std::min<std::size_t>(length, 64 * 1024), 'x');
            return sink.write(chunk.data(), chunk.size());
          });
      return;
    case Reply::Kind::kOversize:
      res.set_chunked_content_provider(
          "text/xml", [size = reply.size](std::size_t offset, httplib::DataSink& sink) {
            const std::string chunk(64 * 1024, 'x');
            if (offset >= size) {
              sink.done();
              return true;
            }
            return sink.write(chunk.data(), std::min(chunk.size(), size - offset));
          });
      return;
  }
}

std::string StandInService::Serve(const std::string& path, const ReceivedRequest& request) {
  if (request.Field("login_email") != email_ || request.Field("login_password") != password_ ||
      request.Field("format") != "xml")
    return Envelope("-1");
  if (path.rfind("/Domain.", 0) == 0) return ServeDomains(path, request);
  if (path.rfind("/Record.", 0) == 0) return ServeRecords(path, request);
  return Envelope("2");
}

std::string StandInService::ServeDomains(const std::string& path, const ReceivedRequest& request) {
  if (path == "/Domain.List") {
    std::string items;
    for (const StandInDomain& domain : domains_) items += DomainItem(domain);
    return Envelope("1", "<domains>\n" + items + "</domains>\n");
  }
  if (path == "/Domain.Create") {
    const std::string name = request.Field("domain");
    if (name.find('.') == std::string::npos) return Envelope("4");
    for (const StandInDomain& domain : domains_)
      if (domain.name == name) return Envelope("5");
    domains_.push_back({std::to_string(nextId_++), name, "enable", "1", {}});
    return Envelope("1");
  }
  if (path == "/Domain.Remove") {
    const std::string id = request.Field("domain_id");
    if (!Numeric(id)) return Envelope("4");
    const auto it = std::find_if(domains_.begin(), domains_.end(),
                                 [&id](const StandInDomain& d) { return d.id == id; });
    if (it == domains_.end()) return Envelope("5");
    domains_.erase(it);
    return Envelope("1");
  }
  return Envelope("2");
}

std::string StandInService::ServeRecords(const std::string& path, const ReceivedRequest& request) {
  StandInDomain* domain = FindDomain(request.Field("domain_id"));
  if (domain == nullptr) return Envelope("5");
  auto& records = domain->records;
  const auto record = std::find_if(
      records.begin(), records.end(),
      [&request](const StandInRecord& r) { return r.id == request.Field("record_id"); });
  if (path == "/Record.List") {
    std::string items;
    for (const StandInRecord& r : records) items += RecordItem(r);
    return Envelope("1", "<records>\n" + items + "</records>\n");
  }
  if (path == "/Record.Create" || path == "/Record.Modify") {
    const bool create = path == "/Record.Create";
    if (!create && record == records.end()) return Envelope("7");
    if (request.Field("value").empty()) return Envelope("9");
    StandInRecord fields{create ? std::to_string(nextId_++) : record->id,
                         request.Field("sub_domain"),
                         request.Field("record_line"),
                         request.Field("record_type"),
                         request.Field("ttl"),
                         request.Field("value"),
                         request.Field("mx"),
                         create ? "1" : record->enabled};
    if (create)
      records.push_back(fields);
    else
      *record = fields;
    return Envelope("1");
  }
  if (record == records.end()) return Envelope("7");
  if (path == "/Record.Remove") {
    records.erase(record);
    return Envelope("1");
  }
  if (path == "/Record.Status") {
    const std::string status = request.Field("status");
    if (status != "enable" && status != "disable") return Envelope("2");
    record->enabled = status == "enable" ? "1" : "0";
    return Envelope("1");
  }
  return Envelope("2");
}

}  // namespace zonivo::sandbox
