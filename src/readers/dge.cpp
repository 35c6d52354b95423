#include "readers/readers.hpp"

namespace pipsweep {

void read_dge_file() {}

}  // namespace pipsweep
