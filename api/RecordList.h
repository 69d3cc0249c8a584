#pragma once

#include "api/ListTarget.h"
#include "net/PatternMatcher.h"
#include "net/Text.h"

namespace zonivo {

// The columns of a row of the record list, the cells of one record.
enum RecordColumn {
  kRecordId = 0,
  kRecordLine = 1,
  kRecordName = 2,
  kRecordValue = 3,
  kRecordType = 4,
  kRecordMx = 5,
  kRecordTtl = 6,
  kRecordState = 7,
};

// `value` without its first "<![CDATA[" and then without the first "]]>"
// of what is left; each found only where a character begins.
Text StripCdata(Text value);

// The list rows of the records of a Record.List answer, read with `matcher`,
// in the order the list shows them: r1, rn, rn-1, ..., r2. A record whose
// elements do not form one match is left out.
std::vector<ListRow> RecordListRows(PatternMatcher& matcher, const Text& answer);

// Fetches the records of the domain `domainId` into `list`. False when no
// answer came (the credentials are kept) or its result code is not "1" (the
// credentials are emptied); the list is then empty.
bool RefreshRecordList(ListTarget& list, const Text& domainId);

}  // namespace zonivo
