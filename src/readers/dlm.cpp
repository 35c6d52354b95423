#include "readers/readers.hpp"

namespace pipsweep {

void read_dlm_file() {}

}  // namespace pipsweep
