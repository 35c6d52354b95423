#include "readers/readers.hpp"

namespace pipsweep {

void read_dup_file() {}
void read_bri_file() {}

}  // namespace pipsweep
