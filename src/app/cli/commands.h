#pragma once
#include <iosfwd>

#include "app/cli/options.h"

namespace gc::cli {

// Each returns the process's exit status.
int runInfo(const Options& o, std::ostream& out, std::ostream& err);
int runRender(const Options& o, std::ostream& err);
int runTrace(const Options& o, std::ostream& out);
// Reports on err; terminal says whether err is one, for the progress bar.
int runBatch(const Options& o, std::ostream& err, bool terminal);

}  // namespace gc::cli
