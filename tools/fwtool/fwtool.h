// fwtool: templates on the command line, for version control, review and
// checks before deployment. `fwtool --help` lists the commands.
#pragma once

#include <iostream>
#include <string>
#include <vector>

namespace fw {

// args without the program name. Exit codes: 0 done (equal, clean); 1 a file
// could not be opened or created, or for diff: the files differ, for merge:
// conflicts; 2 refused input (signature, JSON, arguments; for diff and merge
// also unreadable files); 3 check, lookup-check and lang-check found errors.
// Over many files, the highest of their codes. `in` is read for a file named
// "-".
int RunFwtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              std::istream& in = std::cin);

}  // namespace fw
