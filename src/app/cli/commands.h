#pragma once
#include <iosfwd>

#include "app/cli/options.h"

namespace gc::cli {

// Each returns the process's exit status.
int runInfo(const Options& o, std::ostream& out);
int runRender(const Options& o, std::ostream& err);
int runTrace(const Options& o, std::ostream& out);

}  // namespace gc::cli
