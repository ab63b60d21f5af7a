#pragma once
// The files named on a Windows command line, as a hand-over from a second
// start carries them.
#include <string>
#include <vector>

namespace app {

// The arguments after the program's own name, split as Windows programs
// split them: blanks apart, quotes around a blank, backslashes before a quote
// halved.
std::vector<std::string> commandLineArguments(const std::string& commandLine);

// An argument in quotes that commandLineArguments, and every Windows program,
// reads back as it was: backslashes before a quote, the closing one
// included, are doubled, and a quote inside gets a backslash.
std::string quotedArgument(const std::string& argument);

}  // namespace app
