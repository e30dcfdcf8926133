#pragma once
// Adds keywords to a running Vorenta as fast as it takes them and kills the
// program at random moments, a save under way or not; after each kill the
// keyword file must hold every keyword it held before, in order.

#include <random>

#include "vorenta_session.h"

namespace vorenta_e2e {

struct KillLoopResult {
  int kills = 0;
  int files_complete = 0;         // the keyword file read back whole after a kill
  int keywords_lost = 0;          // keywords of the file before a kill missing after it
  int most_leftovers = 0;         // temporary files found beside it after a kill
  int leftovers_after_start = 0;  // the same, once the program started again
  int keywords_added = 0;         // by all rounds, as the file shows them at the end
};

// `vorenta` runs with an empty folder of its own. Each round waits a random
// time of up to `longest_wait_ms` while keywords go in, then kills.
KillLoopResult RunKillLoop(VorentaSession& vorenta, int kills, int longest_wait_ms,
                           std::mt19937& random);

}  // namespace vorenta_e2e
