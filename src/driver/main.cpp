#include "driver/driver.hpp"

int main(int argc, char** argv) { return pipsweep::pipsweep_main(argc, argv); }
