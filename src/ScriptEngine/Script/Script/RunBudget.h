// Limits of one script run. Scripts arrive over the network, so a run may
// not loop forever or take the client's memory: breaching a limit ends the
// run with an error that names the limit. 0 switches a limit off.
#pragma once

#include <cstddef>

struct RunBudget {
    long long maxTurns{10'000'000};   // command lines executed by one run of the loop
    size_t maxVariables{1'000'000};   // items in the variable store
    int maxArrayLength{100'000};      // elements of one array
    int maxCallDepth{1'000};          // pending sub calls of one process
    size_t maxTextLength{256 * 1024}; // bytes of one value made by "+"
    size_t maxLineLength{64 * 1024};  // bytes of one command line
    size_t maxStoreBytes{64u << 20};  // bytes of text held by the variable store
    size_t maxShellBytes{4u << 20};   // bytes of script text loaded as shells
};
