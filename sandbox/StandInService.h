#pragma once

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class SSLServer;
struct Request;
struct Response;
}  // namespace httplib

namespace zonivo::sandbox {

// All texts here are UTF-8.
struct StandInRecord {
  std::string id = {}, name = {}, line = "默认", type = "A", ttl = "600", value = {}, mx = "0",
              enabled = "1";
};

struct StandInDomain {
  std::string id, name, status = "enable", groupId = "1";
  std::vector<StandInRecord> records;
};

struct ReceivedRequest {
  std::string method, path, body;
  std::multimap<std::string, std::string> headers;          // names in lower case
  std::vector<std::pair<std::string, std::string>> fields;  // decoded, in order

  std::string Header(const std::string& lowerName) const;
  std::string Field(const std::string& key) const;
  std::vector<std::string> Keys() const;
};

// An answer chosen by a test for the next request, instead of the account's.
struct Reply {
  enum class Kind { kBody, kStall, kDrop, kOversize, kOversizeWithLength };
  Kind kind = Kind::kBody;
  int status = 200;
  std::string body;
  std::size_t size = 0;
  int stallSeconds = 0;

  static Reply Code(const std::string& code);  // an answer holding only this code
  static Reply Body(std::string body, int status = 200);
  static Reply Stall(int seconds = 30);                // headers, then no byte for this long
  static Reply Drop();                                 // the connection closes mid-body
  static Reply Oversize(std::size_t bytes);            // a chunked body of this size
  static Reply OversizeWithLength(std::size_t bytes);  // the same, its length announced
};

// The service's API over HTTPS on a loopback port, serving one in-memory
// account. It checks the credentials of every request, answers XML as the
// service does, and keeps every request it received.
class StandInService {
 public:
  StandInService();
  ~StandInService();
  StandInService(const StandInService&) = delete;
  StandInService& operator=(const StandInService&) = delete;

  std::string BaseUrl() const;
  // Stops serving: later requests find no server.
  void Stop();

  void SetAccount(std::string email, std::string password);
  std::string AddDomain(const std::string& name, const std::string& status = "enable");
  std::string AddRecord(const std::string& domainId, StandInRecord record);
  std::vector<StandInDomain> Domains() const;

  // Answers the next request with `reply`; replies queue up in order.
  void ReplyNext(Reply reply);
  std::vector<ReceivedRequest> Requests() const;
  void ClearRequests();

 private:
  void Handle(const httplib::Request& request, httplib::Response& response);
  void Answer(const Reply& reply, httplib::Response& response);
  std::string Serve(const std::string& path, const ReceivedRequest& request);
  std::string ServeDomains(const std::string& path, const ReceivedRequest& request);
  std::string ServeRecords(const std::string& path, const ReceivedRequest& request);
  StandInDomain* FindDomain(const std::string& id);

  mutable std::mutex mutex_;
  std::string email_ = "user@example.com";
  std::string password_ = "secret";
  std::vector<StandInDomain> domains_;
  int nextId_ = 100;
  std::deque<Reply> replies_;
  std::vector<ReceivedRequest> requests_;
  std::atomic<bool> stopping_{false};
  std::unique_ptr<httplib::SSLServer> server_;
  std::thread thread_;
  int port_ = 0;
};

}  // namespace zonivo::sandbox
