// The tool on a desktop: its runs write to the console and _pipsweep.txt.
#include "deal/writer.hpp"
#include "driver/driver.hpp"

int main(int argc, char** argv) {
  pipsweep::DealWriter writer;
  return pipsweep::pipsweep_main(argc, argv, writer);
}
