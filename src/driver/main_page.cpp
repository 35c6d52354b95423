// The core of the page: its runs write to the console and _pipsweep.txt,
// and hand each deal and diagnostic to the page.
#include "deal/page_sink.hpp"
#include "driver/driver.hpp"

int main(int argc, char** argv) {
  pipsweep::PageSink sink;
  return pipsweep::pipsweep_main(argc, argv, sink);
}
