#pragma once

#include "records/RecordEntry.h"

#include <cstdint>
#include <vector>

// The given rows (indices into `rows`) in ascending time, equal times in the
// order given: what inserting each row after its equals produces, in linear
// time, since a refresh orders tens of thousands of records.
std::vector<std::uint32_t> StableTimeOrder(const std::vector<RecordEntry>& rows,
                                           const std::vector<std::uint32_t>& indices);
