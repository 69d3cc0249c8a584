#include "api/Commands.h"

#include <initializer_list>
#include <string_view>
#include <vector>

#include "api/Endpoints.h"
#include "api/RequestForm.h"
#include "api/ResultMessages.h"
#include "api/ServiceCall.h"
#include "app/AppState.h"
#include "net/CodePage.h"

namespace zonivo {
namespace {

struct CodeEntry {
  std::string_view code;
  const char* message;
};

// One command: its endpoint, its result codes in the order they are compared
// ("1" first, then "-1", then the others rising) and whether a rejection of
// the credentials clears them.
struct Command {
  std::string_view path;
  std::vector<CodeEntry> codes;
  bool clearsCredentials;
};

constexpr std::string_view kRejected = "-1";

std::vector<CodeEntry> RecordEditCodes(const char* success) {
  using namespace message;
  return {{"1", success},         {kRejected, kAccountRejected},
          {"4", kBadDomainId},    {"5", kNoSuchDomain},
          {"6", kNotOwner},       {"8", kBadHostName},
          {"9", kBadValue},       {"10", kNsOnApex},
          {"11", kTtlTooSmall},   {"12", kMxTooSmall},
          {"13", kRecordConflict}};
}

std::vector<CodeEntry> RecordStateCodes(const char* success) {
  using namespace message;
  return {{"1", success},
          {kRejected, kAccountRejected},
          {"5", kNoSuchDomain},
          {"6", kNotOwner},
          {"7", kNoSuchRecord}};
}

Text Run(const Command& command, std::initializer_list<FormField> fields) {
  AppState& state = State();
  const Text form = BuildRequestForm(state, fields);
  const Text answer = PostForm(command.path, form);
  if (answer.empty()) return FromUtf8(message::kConnectionFailed);
  const Text code = ReadResultCode(*state.matcher, answer);
  for (const CodeEntry& entry : command.codes) {
    if (code != entry.code) continue;
    if (entry.code == kRejected && command.clearsCredentials) ClearCredentials(state);
    return FromUtf8(entry.message);
  }
  return FromUtf8(message::kUnknownError);
}

}  // namespace

Text CreateDomain(const Text& domain) {
  using namespace message;
  static const Command command{kDomainCreate,
                               {{"1", kDomainAdded},
                                {kRejected, kAccountRejected},
                                {"4", kInvalidDomain},
                                {"5", kDomainExists}},
                               true};
  return Run(command, {{"domain", domain}});
}

Text RemoveDomain(const Text& domainId) {
  using namespace message;
  static const Command command{kDomainRemove,
                               {{"1", kDomainRemoved},
                                {kRejected, kAccountRejected},
                                {"4", kBadDomainId},
                                {"5", kNoSuchDomain},
                                {"6", kNotOwner}},
                               true};
  return Run(command, {{"domain_id", domainId}});
}

Text CreateRecord(const Text& domainId, const Text& subDomain, const Text& recordType,
                  const Text& recordLine, const Text& value, const Text& mx, const Text& ttl) {
  static const Command command{kRecordCreate, RecordEditCodes(message::kRecordAdded), false};
  return Run(command, {{"domain_id", domainId},
                       {"sub_domain", subDomain},
                       {"record_type", recordType},
                       {"record_line", recordLine},
                       {"value", value},
                       {"mx", mx},
                       {"ttl", ttl}});
}

Text ModifyRecord(const Text& domainId, const Text& recordId, const Text& subDomain,
                  const Text& recordType, const Text& recordLine, const Text& value, const Text& mx,
                  const Text& ttl) {
  static const Command command{kRecordModify, RecordEditCodes(message::kRecordModified), true};
  return Run(command, {{"domain_id", domainId},
                       {"record_id", recordId},
                       {"sub_domain", subDomain},
                       {"record_type", recordType},
                       {"record_line", recordLine},
                       {"value", value},
                       {"mx", mx},
                       {"ttl", ttl}});
}

Text RemoveRecord(const Text& domainId, const Text& recordId) {
  static const Command command{kRecordRemove, RecordStateCodes(message::kRecordRemoved), true};
  return Run(command, {{"domain_id", domainId}, {"record_id", recordId}});
}

Text SetRecordStatus(const Text& domainId, const Text& recordId, const Text& status) {
  static const Command command{kRecordStatus, RecordStateCodes(message::kStatusSet), true};
  return Run(command, {{"domain_id", domainId}, {"record_id", recordId}, {"status", status}});
}

}  // namespace zonivo
