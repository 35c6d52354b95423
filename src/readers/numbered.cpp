#include "readers/numbered.hpp"

#include "readers/readers.hpp"

namespace pipsweep {

int read_bri_record(BriRecord& record) { return read_input_text(record) > 0 ? 0 : -1; }

void read_dup_file() {}
void read_bri_file() {}

}  // namespace pipsweep
