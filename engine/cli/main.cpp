// quorvel-cli: the balancing engine on the console. One line of output per
// equation, the text the window's result box would show.

#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "arguments.h"
#include "quorvel/pipeline.h"
#include "quorvel/version.h"

namespace {

constexpr int kExitBalanced = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct Options {
  bool matrix = false;
  bool json = false;
  std::vector<std::string> equations;
};

void PrintUsage(std::ostream& out) {
  out << "Usage: quorvel-cli [--matrix] [--json] [EQUATION ...]\n"
         "Balances chemical equations such as \"H2 + O2 = H2O\".\n"
         "With no EQUATION, reads one equation per line from standard input.\n"
         "\n"
         "  --matrix   print the composition matrix after each result\n"
         "  --json     print one JSON object per equation\n"
         "  --help     show this help\n"
         "  --version  show the version\n"
         "\n"
         "Exit status: 0 when every equation balanced, 1 when any failed,\n"
         "2 for a usage error or input that is not valid UTF-8.\n";
}

struct Answer {
  std::string equation;
  std::string matrix;
  std::string result;
  bool ok = false;
};

Answer Balance(const quorvel::Text& input) {
  quorvel::BufferHost host(input);
  Answer answer;
  try {
    answer.result = quorvel::EncodeUtf8(quorvel::BalanceEquation(host));
    answer.ok = true;
  } catch (const std::exception&) {
    // Every failure, whatever its cause, gets the one failure text.
    answer.result = quorvel::kFailureTextUtf8;
  }
  answer.equation = quorvel::EncodeUtf8(host.EquationText());
  answer.matrix = quorvel::EncodeUtf8(host.MatrixText());
  return answer;
}

class Session {
 public:
  explicit Session(const Options& options) : options_(options) {}

  // `where` names the equation in an error message: "line 7", "equation argument 2".
  void Answer(const std::string& line, const std::string& where) {
    const auto text = quorvel::DecodeUtf8(line);
    if (!text) {
      std::cerr << "quorvel-cli: " << where << ": not valid UTF-8; equation skipped\n";
      bad_input_ = true;
      return;
    }
    const ::Answer answer = Balance(*text);
    if (!answer.ok) failed_ = true;
    if (options_.json) {
      const nlohmann::json object = {{"input", line},
                                     {"equation", answer.equation},
                                     {"matrix", answer.matrix},
                                     {"result", answer.result},
                                     {"ok", answer.ok}};
      std::cout << object.dump() << '\n';
    } else {
      std::cout << answer.result << '\n';
      if (options_.matrix) std::cout << answer.matrix;
    }
    std::cout.flush();
  }

  int ExitStatus() const {
    if (bad_input_) return kExitUsage;
    return failed_ ? kExitFailed : kExitBalanced;
  }

 private:
  const Options& options_;
  bool failed_ = false;
  bool bad_input_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  bool options_done = false;
  const std::vector<std::string> args = Utf8Arguments(argc, argv);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options_done && arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
      if (arg == "--") {
        options_done = true;
      } else if (arg == "--matrix") {
        options.matrix = true;
      } else if (arg == "--json") {
        options.json = true;
      } else if (arg == "--help") {
        PrintUsage(std::cout);
        return kExitBalanced;
      } else if (arg == "--version") {
        std::cout << "quorvel-cli " << QUORVEL_VERSION_TEXT << '\n';
        return kExitBalanced;
      } else {
        std::cerr << "quorvel-cli: unknown option " << arg << "\n";
        PrintUsage(std::cerr);
        return kExitUsage;
      }
    } else {
      options.equations.push_back(arg);
    }
  }

  Session session(options);
  if (!options.equations.empty()) {
    for (std::size_t i = 0; i < options.equations.size(); ++i) {
      session.Answer(options.equations[i], "equation argument " + std::to_string(i + 1));
    }
  } else {
    std::string line;
    for (long long number = 1; std::getline(std::cin, line); ++number) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      session.Answer(line, "line " + std::to_string(number));
    }
  }
  return session.ExitStatus();
}
