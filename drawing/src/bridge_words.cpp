// The bridges in words: the details' text lines and the drawing's
// accessible description say them the same way.

#include "quorvel/drawing/bridges.h"

namespace quorvel::drawing {

using chemistry::FormatDecimal;
using chemistry::FormatState;
using messages::Format;
using messages::Message;

std::string ElectronsText(const chemistry::Bridge& bridge) {
  const std::string each =
      bridge.electrons_each == 1 ? std::string() : FormatDecimal(bridge.electrons_each);
  return FormatDecimal(bridge.atoms) + "×" + each + "e⁻";
}

std::string BridgeLine(const chemistry::Details& details, const chemistry::Bridge& bridge,
                       messages::Language language) {
  return Format(bridge.gained ? Message::kDetailsGained : Message::kDetailsLost, language,
                {bridge.symbol, FormatState(bridge.from), FormatState(bridge.to),
                 details.species[bridge.reactant].formula, details.species[bridge.product].formula,
                 ElectronsText(bridge)});
}

}  // namespace quorvel::drawing
