#pragma once

#include <string>
#include <vector>

// The command line as UTF-8 strings, whatever the platform hands over.
std::vector<std::string> Utf8Arguments(int argc, char** argv);
