#include "readers/readers.hpp"

namespace pipsweep {

void read_pbn_file() {}

}  // namespace pipsweep
