// DUP and BRI: deals written as 39 card numbers (North, East, South); West
// takes every card not listed.
#pragma once

#include "deal/deal.hpp"
#include "readers/text.hpp"

#include <string_view>

namespace pipsweep {

// A BRI record: one read of at most 128 characters (DGE records share it).
inline constexpr std::size_t kBriRecordBufferSize = 129;
using BriRecord = TextBuffer<kBriRecordBufferSize>;

// Reads one record; record.length tells how many bytes the read delivered.
// Returns 0, or -1 at the end of the input or when the read fails.
int read_bri_record(BriRecord& record);

}  // namespace pipsweep
