#pragma once

#include "net/Text.h"

namespace zonivo {

// The six commands of the API. Each sends one request with the account's
// credentials and returns the message for the answer's result code; only
// code "1" gives the operation's success message. All but CreateRecord clear
// the credentials when the service rejects them (code "-1").

Text CreateDomain(const Text& domain);
Text RemoveDomain(const Text& domainId);
Text CreateRecord(const Text& domainId, const Text& subDomain, const Text& recordType,
                  const Text& recordLine, const Text& value, const Text& mx, const Text& ttl);
Text ModifyRecord(const Text& domainId, const Text& recordId, const Text& subDomain,
                  const Text& recordType, const Text& recordLine, const Text& value, const Text& mx,
                  const Text& ttl);
Text RemoveRecord(const Text& domainId, const Text& recordId);
Text SetRecordStatus(const Text& domainId, const Text& recordId, const Text& status);

}  // namespace zonivo
