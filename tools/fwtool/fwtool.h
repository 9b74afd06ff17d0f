// fwtool: the template document on the command line, for scripts and tests.
//   fwtool new OUT.QLT [--lang FILE.lng]
//   fwtool prepare IN.QLT OUT.QLT [--lang FILE.lng]
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace fw {

// Exit codes: 0 done, 1 a file could not be opened or created (or bad
// usage), 2 the input was refused by its signature.
int RunFwtool(const std::vector<std::string>& args, std::ostream& err);

}  // namespace fw
