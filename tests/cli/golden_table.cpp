#include "golden_table.h"

#include <fstream>

namespace quorvel_test {

std::vector<GoldenRow> LoadGolden(const std::string& path) {
  std::vector<GoldenRow> rows;
  std::ifstream file(path);
  if (!file) ADD_FAILURE() << "cannot read " << path;
  std::string text;
  for (int line = 1; std::getline(file, text); ++line) {
    if (text.empty() || text[0] == '#') continue;
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) {
      ADD_FAILURE() << path << " line " << line << " has no tab";
      continue;
    }
    rows.push_back({line, text.substr(0, tab), text.substr(tab + 1)});
  }
  return rows;
}

}  // namespace quorvel_test
