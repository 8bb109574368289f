#include "arguments.h"

// The arguments arrive as the bytes the user's locale wrote; on Debian that
// is UTF-8, and anything else is reported per equation as invalid UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv, argv + argc}; }
