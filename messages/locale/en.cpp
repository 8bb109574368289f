// Every text in English.

#include "../src/table.h"

namespace quorvel::messages::detail {

constexpr Table kEnglish = MakeTable({
    // The console.
    {Message::kConsoleLine, "line {1}"},
    {Message::kConsoleArgument, "equation argument {1}"},
    {Message::kConsoleReaction, "reaction {1}: "},
    {Message::kConsoleNote, "note: "},
});

}  // namespace quorvel::messages::detail
