#pragma once

#include <filesystem>
#include <optional>

// Where the web page is: installed beside the program (the package's
// /usr/share/quorvel/quorvel.html, the Windows folder's quorvel.html), or,
// for a program run from its build tree, the page `make web` built.
// Empty when there is none.
std::optional<std::filesystem::path> WebPage();

// The program's own file, as the system knows it; empty when it cannot say.
std::filesystem::path ProgramFile();
