#pragma once
// The files named on a Windows command line.
#include <string>
#include <vector>

namespace app {

// The arguments after the program's own name, split as Windows programs
// split them: blanks apart, quotes around a blank, backslashes before a quote
// halved.
std::vector<std::string> commandLineArguments(const std::string& commandLine);

}  // namespace app
