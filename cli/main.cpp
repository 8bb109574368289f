// quorvel-cli: the balancing engine on the console. One line of output per
// equation, the text the window's result box would show.

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "bridge_svg.h"
#include "chemistry_mode.h"
#include "console_words.h"
#include "exit_status.h"
#include "input_line.h"
#include "quorvel/pipeline.h"
#include "quorvel/report/details.h"
#include "quorvel/version.h"
#include "user_language.h"
#include "web_page.h"

namespace {

using quorvel::messages::Format;
using quorvel::messages::Language;
using quorvel::messages::Message;

// The JSON "failure" of a line that is not UTF-8, and of a failure that is
// none of the engine's (running out of memory, say).
constexpr const char* kNotUtf8Keyword = "invalid_utf8";
constexpr const char* kInternalErrorKeyword = "internal_error";

struct Options {
  bool matrix = false;
  bool json = false;
  bool chemistry = false;
  bool details = false;
  std::vector<std::string> given;         // each SPECIES=AMOUNT as typed
  std::optional<std::string> bridge_svg;  // the file to draw the bridges in
  std::vector<std::string> equations;
};

// The console's own lines stay English whatever the user's language: they
// come before the options are read, and scripts compare them.
std::string Say(Message message, std::initializer_list<std::string_view> arguments = {}) {
  return Format(message, Language::kEnglish, arguments);
}

void PrintUsage(std::ostream& out) { out << Say(Message::kConsoleUsage); }

struct Answer {
  std::string equation;
  std::string matrix;
  std::string result;
  bool ok = false;
  const char* failure = nullptr;  // why it failed, for scripts
  std::string error;              // why the line was not balanced at all; empty when it was
};

Answer Balance(const quorvel::Text& input) {
  quorvel::BufferHost host(input);
  Answer answer;
  try {
    answer.result = quorvel::EncodeUtf8(quorvel::BalanceEquation(host));
    answer.ok = true;
  } catch (const quorvel::BalanceFailure& failure) {
    answer.failure = quorvel::Keyword(failure.kind());
  } catch (const std::exception&) {
    answer.failure = kInternalErrorKeyword;
  }
  // Every failure, whatever its cause, gets the one failure text.
  if (!answer.ok) answer.result = quorvel::FailureTextUtf8();
  answer.equation = quorvel::EncodeUtf8(host.EquationText());
  answer.matrix = quorvel::EncodeUtf8(host.MatrixText());
  return answer;
}

// One answer as a JSON object: "failure" is null when the line balanced,
// "error" is there only for a line that could not be balanced at all.
nlohmann::json ToJson(const std::string& line, const Answer& answer) {
  nlohmann::json object = {{"input", line},
                           {"equation", answer.equation},
                           {"matrix", answer.matrix},
                           {"result", answer.result},
                           {"ok", answer.ok}};
  object["failure"] = answer.failure == nullptr ? nlohmann::json() : answer.failure;
  if (!answer.error.empty()) object["error"] = answer.error;
  return object;
}

class Session {
 public:
  explicit Session(const Options& options) : options_(options) {}

  // `where` names the equation in an error message: "line 7", "equation argument 2".
  void Answer(const std::string& line, const std::string& where) {
    ::Answer answer;
    if (const auto text = quorvel::DecodeUtf8(line)) {
      answer = Balance(*text);
      if (!answer.ok) failed_ = true;
    } else {
      answer.error = Say(Message::kConsoleNotUtf8);
      std::cerr << Say(Message::kConsoleWhere, {where})
                << Say(Message::kConsoleSkipped, {answer.error}) << '\n';
      bad_input_ = true;
      answer.failure = kNotUtf8Keyword;
    }
    if (options_.json) {
      // Every line gets its object, so that answer N belongs to line N; bytes
      // that are not UTF-8 show in its input as U+FFFD.
      std::cout
          << ToJson(line, answer).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
          << '\n';
    } else if (answer.error.empty()) {
      std::cout << answer.result << '\n';
      if (options_.matrix) std::cout << answer.matrix;
    }
    std::cout.flush();
  }

  int ExitStatus() const { return ExitStatusFor(failed_, bad_input_); }

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
      } else if (arg == "--chemistry") {
        options.chemistry = true;
      } else if (arg == "--details") {
        options.details = true;
      } else if (arg == "--given" || arg.rfind("--given=", 0) == 0) {
        if (arg == "--given" && i + 1 == args.size()) {
          std::cerr << "quorvel-cli: --given needs SPECIES=AMOUNT\n";
          PrintUsage(std::cerr);
          return kExitUsage;
        }
        options.given.push_back(arg == "--given" ? args[++i] : arg.substr(8));
        options.details = true;
      } else if (arg == "--bridge-svg" || arg.rfind("--bridge-svg=", 0) == 0) {
        if (arg == "--bridge-svg" && i + 1 == args.size()) {
          std::cerr << "quorvel-cli: --bridge-svg needs FILE\n";
          PrintUsage(std::cerr);
          return kExitUsage;
        }
        options.bridge_svg = arg == "--bridge-svg" ? args[++i] : arg.substr(13);
      } else if (arg == "--help") {
        PrintUsage(std::cout);
        return kExitBalanced;
      } else if (arg == "--web") {
        const auto page = WebPage();
        if (!page) {
          std::cerr << Say(Message::kConsoleNoWebPage) << '\n';
          return kExitFailed;
        }
        std::cout << reinterpret_cast<const char*>(page->u8string().c_str()) << '\n';
        return kExitBalanced;
      } else if (arg == "--version") {
        std::cout << Say(Message::kConsoleVersion, {QUORVEL_VERSION_TEXT}) << '\n';
        return kExitBalanced;
      } else {
        std::cerr << Say(Message::kConsoleUnknownOption, {arg}) << '\n';
        PrintUsage(std::cerr);
        return kExitUsage;
      }
    } else {
      options.equations.push_back(arg);
    }
  }

  if (options.chemistry && options.matrix) {
    std::cerr << Say(Message::kConsoleMatrixWithChemistry) << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
  }

  if (options.details && !options.chemistry) {
    std::cerr << "quorvel-cli: --details and --given need --chemistry\n";
    PrintUsage(std::cerr);
    return kExitUsage;
  }

  if (options.bridge_svg && !options.chemistry) {
    std::cerr << "quorvel-cli: --bridge-svg needs --chemistry\n";
    PrintUsage(std::cerr);
    return kExitUsage;
  }

  // The default mode's messages stay as they always were; the chemistry
  // mode speaks the user's language.
  const ConsoleWords words(options.chemistry ? UserLanguage()
                                             : quorvel::chemistry::Language::kEnglish);
  if (options.bridge_svg && options.equations.size() != 1) {
    std::cerr << Format(Message::kConsoleBridgeNeedsOne, words.language()) << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  DetailsRequest details{options.details, {}};
  for (const std::string& text : options.given) {
    const quorvel::chemistry::GivenParse given = quorvel::chemistry::ParseGiven(text);
    if (!given.amount) {
      std::cerr << "quorvel-cli: --given "
                << quorvel::report::GivenErrorText(given.error, text, words.language()) << '\n';
      return kExitUsage;
    }
    details.given.push_back(*given.amount);
  }
  Session session(options);
  ChemistrySession chemistry(options.json, words, std::move(details));
  const auto answer = [&](const std::string& line, const std::string& where) {
    if (options.chemistry) {
      chemistry.Answer(line, where);
    } else {
      session.Answer(line, where);
    }
  };
  if (!options.equations.empty()) {
    for (std::size_t i = 0; i < options.equations.size(); ++i) {
      answer(options.equations[i], words.Argument(i + 1));
    }
  } else {
    std::string line;
    // The chemistry mode holds no more of a line than it would read.
    const auto next_line = [&options](std::string& text) {
      return options.chemistry ? ReadBoundedInputLine(text, kChemistryLineBytes)
                               : ReadInputLine(text);
    };
    for (long long number = 1; next_line(line); ++number) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      answer(line, words.Line(number));
    }
  }
  if (options.bridge_svg) {
    // The worse of the answer's status and the drawing's.
    return std::max(chemistry.ExitStatus(),
                    WriteBridgeSvg(*options.bridge_svg, options.equations.front(), words));
  }
  return options.chemistry ? chemistry.ExitStatus() : session.ExitStatus();
}
