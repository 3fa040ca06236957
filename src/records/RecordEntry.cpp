#include "records/RecordEntry.h"

#include <strings.h>

bool SameRecordName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}
