#include "readers/readers.hpp"

namespace pipsweep {

void read_csv_file() {}

}  // namespace pipsweep
