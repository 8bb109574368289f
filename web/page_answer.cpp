#include "page_answer.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"
#include "quorvel/drawing/bridges.h"
#include "quorvel/messages.h"
#include "quorvel/report/answer_json.h"
#include "quorvel/report/details.h"
#include "quorvel/report/given_box.h"

namespace quorvel::web {
namespace {

using messages::Format;
using messages::Message;
using Json = nlohmann::ordered_json;

// The page speaks Simplified Chinese, as the window does.
constexpr messages::Language kLanguage = messages::Language::kChinese;

// The drawing at the page's box font; past a phone's width its labels take two
// lines, and the page scales the picture down to fit beyond that.
constexpr drawing::LayoutMetrics kPageDrawing{18, 600};

}  // namespace

std::string PageAnswer(std::string_view equation, std::string_view given) {
  const chemistry::Answer answer = chemistry::Balance(equation);
  Json page = {{"answer", nullptr},
               {"result", ""},
               {"ok", answer.ok()},
               {"reason", nullptr},
               {"details_lines", Json::array()},
               {"given_error", nullptr},
               {"svg", ""}};
  std::optional<chemistry::Details> details;
  if (answer.ok()) {
    page["result"] = answer.result;
    const report::GivenBox box = report::ReadGivenBox(given);
    if (box.error != chemistry::GivenError::kNone) {
      page["given_error"] = report::GivenErrorText(box.error, box.error_subject, kLanguage);
    }
    auto described = chemistry::Describe(answer, box.amounts);
    if (described.error != chemistry::GivenError::kNone) {
      // The equation's own details still show; only the amounts are refused.
      page["given_error"] =
          report::GivenErrorText(described.error, described.error_formula, kLanguage);
      described = chemistry::Describe(answer);
    }
    details = std::move(described.details);
    if (details) {
      page["details_lines"] = report::DetailsLines(*details, kLanguage);
      if (const auto figure = drawing::MakeBridgeFigure(answer, *details, kLanguage)) {
        page["svg"] =
            drawing::ToSvg(drawing::LayOut(*figure, kPageDrawing, drawing::ApproximateMeasure()));
      }
    }
  } else {
    const std::string reason = chemistry::Explain(answer.reason, kLanguage);
    page["reason"] = reason;
    page["result"] = Format(Message::kWindowChemistryFailure, kLanguage, {reason});
  }
  page["answer"] = report::AnswerJson(std::string(equation), answer, details);
  return report::JsonLine(page);
}

std::string PageTexts() {
  const auto text = [](Message message) { return Format(message, kLanguage); };
  // A text the page completes itself keeps its {1}: formatted here, the
  // placeholder would go and with it the reason the page fills in.
  const auto pattern = [](Message message) {
    return std::string(messages::Pattern(message, kLanguage));
  };
  const Json texts = {{"title", text(Message::kWindowChemistryCaption)},
                      {"equation", text(Message::kWindowEquationCaption)},
                      {"given", text(Message::kPageGivenCaption)},
                      {"given_hint", text(Message::kPageGivenHint)},
                      {"balance", text(Message::kWindowBalanceButton)},
                      {"result", text(Message::kWindowResultCaption)},
                      {"details", text(Message::kPageDetailsCaption)},
                      {"bridges", text(Message::kPageBridgesCaption)},
                      {"hint", text(Message::kPageHint)},
                      {"loading", text(Message::kPageLoading)},
                      {"balancing", text(Message::kWindowBalancing)},
                      {"not_started", pattern(Message::kPageNotStarted)},
                      {"needs_script", text(Message::kPageNeedsScript)}};
  return report::JsonLine(texts);
}

}  // namespace quorvel::web
