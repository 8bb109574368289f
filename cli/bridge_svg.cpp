#include "bridge_svg.h"

#include <algorithm>
#include <fstream>
#include <iostream>

#include "exit_status.h"
#include "quorvel/drawing/bridges.h"

namespace {

using quorvel::messages::Format;
using quorvel::messages::Message;

// A worksheet's size: labels go on two lines past this width.
constexpr quorvel::drawing::LayoutMetrics kSheet{20, 720};

}  // namespace

int WriteBridgeSvg(const std::string& file, const std::string& equation,
                   const ConsoleWords& words) {
  const quorvel::chemistry::Answer answer = quorvel::chemistry::Balance(equation);
  if (!answer.ok()) return kExitFailed;
  const auto details = quorvel::chemistry::Describe(answer).details;
  const auto figure = details
                          ? quorvel::drawing::MakeBridgeFigure(answer, *details, words.language())
                          : std::nullopt;
  if (!figure) {
    const bool undecided =
        details && std::any_of(details->notes.begin(), details->notes.end(), [](const auto& note) {
          return note.kind == quorvel::chemistry::DetailNoteKind::kRedoxUndecided;
        });
    const std::string why =
        Format(undecided ? Message::kDetailsNoteRedoxUndecided : Message::kDetailsNoRedox,
               words.language());
    std::cerr << Format(Message::kConsoleBridgeNotDrawn, words.language(), {why}) << '\n';
    return kExitUsage;
  }
  const std::string svg = quorvel::drawing::ToSvg(
      quorvel::drawing::LayOut(*figure, kSheet, quorvel::drawing::ApproximateMeasure()));
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << svg;
  out.close();
  if (!out) {
    std::cerr << Format(Message::kConsoleBridgeCannotWrite, words.language(), {file}) << '\n';
    return kExitUsage;
  }
  return kExitBalanced;
}
