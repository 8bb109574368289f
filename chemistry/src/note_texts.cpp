// The catalogue of notes: each kind's line in the messages' tables.

#include <string>
#include <vector>

#include "quorvel/chemistry/note.h"
#include "reason_texts.h"

namespace quorvel::chemistry {

std::string Explain(const Note& note, messages::Language language) {
  using messages::Format;
  using messages::Message;
  const auto arg = [&note](std::size_t i) -> std::string_view {
    return i < note.args.size() ? std::string_view(note.args[i]) : std::string_view();
  };
  const auto format = [&](Message message) {
    return Format(message, language, {arg(0), arg(1), arg(2), arg(3), arg(4), arg(5)});
  };
  switch (note.kind) {
    case NoteKind::kPlain:
      break;
    case NoteKind::kChargeRead:
      return format(Message::kNoteChargeRead);
    case NoteKind::kChargeReadOther:
      return format(Message::kNoteChargeReadOther);
    case NoteKind::kChargeNotIsotope:
      return format(Message::kNoteChargeNotIsotope);
    case NoteKind::kNamesRead:
      return format(Message::kNoteNamesRead);
    case NoteKind::kTypedKept:
      return format(Message::kNoteTypedKept);
    case NoteKind::kLikelyFormula:
      return format(Message::kNoteLikelyFormula);
    case NoteKind::kLeadingCount:
      return format(Message::kNoteLeadingCount);
    case NoteKind::kOxidationCountsNoAtoms:
      return format(Message::kNoteOxidationCountsNoAtoms);
    case NoteKind::kOxidationStateIon:
      return format(Message::kNoteOxidationStateIon);
    case NoteKind::kBalancesLeavingOneOut:
      return format(Message::kNoteBalancesLeavingOneOut);
    case NoteKind::kBalancesLeavingSomeOut:
      return format(Message::kNoteBalancesLeavingSomeOut);
    case NoteKind::kBalancesOtherSide: {
      // The species are listed as the language lists names.
      const std::vector<std::string> moved(note.args.begin() + (note.args.empty() ? 0 : 1),
                                           note.args.end());
      return Format(Message::kNoteBalancesOtherSide, language,
                    {detail::JoinNames(moved, language), arg(0)});
    }
    case NoteKind::kFirstReactionsListed:
      return format(Message::kNoteFirstReactionsListed);
    case NoteKind::kMixtureRead:
      return format(Message::kNoteMixtureRead);
    case NoteKind::kPolymerRead:
      return format(Message::kNotePolymerRead);
  }
  return std::string(arg(0));
}

}  // namespace quorvel::chemistry
