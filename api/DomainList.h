#pragma once

#include <vector>

#include "api/ListTarget.h"
#include "net/Text.h"

namespace zonivo {

// One domain of the account, as read from the answer of Domain.List.
struct DomainRow {
  Text id;
  Text name;
  Text status;
  Text groupId;
  Text records;
};

// The domains of a Domain.List answer, read by plain text search from
// "<code>1</code>" on; none when the answer lacks it.
std::vector<DomainRow> ReadDomainRows(const Text& answer);

// The list rows of the domains of `answer`, one a domain: columns id, name,
// "正常"/"暂停", records, group.
std::vector<ListRow> DomainListRows(const Text& answer);

// Fetches the account's domains into `list`. Returns false when no answer
// came; both credentials are then emptied.
bool RefreshDomainList(ListTarget& list);

}  // namespace zonivo
