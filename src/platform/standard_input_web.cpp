#include "platform/standard_input.hpp"

namespace pipsweep::platform {

// A page has no console to type into: the input ends at once, so a pause
// never waits and no typed name is read.
std::size_t read_standard_input(char* /*buffer*/, std::size_t /*size*/) { return 0; }

bool flush_terminal_input() { return false; }

}  // namespace pipsweep::platform
