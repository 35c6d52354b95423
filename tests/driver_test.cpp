#include "support/run.hpp"

#include <gtest/gtest.h>

namespace pipsweep::testing {
namespace {

const std::string kHelp =
    "Pipsweep V1.2 - by Olsveld\n"
    "command-line options:\n"
    " -p : Pause after every deal. (Next: <Enter>; All: 'q')\n"
    " -d \"string\" : Replace the 4 symbols T R D L for N E S W\n"
    " -h : show this help, then quit\n";

TEST(Help, PrintsHelpOnlyAndSucceeds) {
  TempDir dir;
  const RunResult run = run_pipsweep({"-h"}, dir.path());
  EXPECT_EQ(run.out, kHelp);
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(run.has_output_file);
}

TEST(ReaderHarness, EmptyFileFindsNoDeals) {
  const ReaderRun run = run_reader("deal.pbn", "");
  EXPECT_EQ(run.console, "no deals found.\n");
  EXPECT_EQ(run.file, "");
  EXPECT_EQ(run.status, kFailureStatus);
}

}  // namespace
}  // namespace pipsweep::testing
