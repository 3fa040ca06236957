#pragma once

#include "records/NameSelection.h"
#include "records/RecordState.h"

#include <optional>
#include <string_view>

class RecordDirectory;

// Selects the visible row of the record with this name, found ignoring case
// and, when a state is given, only among the records in that state, as
// picking its row in the records list does. A name that fits no visible row,
// or more than one, selects nothing: a stray copy of a record beside the
// real one must not be taken for it. The store's filter decides what is visible.
NameSelection SelectRecordByName(RecordDirectory& records, std::string_view name,
                                 std::optional<RecordState> state = std::nullopt);
