// Every text in Simplified Chinese.

#include "../src/table.h"

namespace quorvel::messages::detail {

constexpr Table kChinese = MakeTable({
    // The console.
    {Message::kConsoleLine, "第 {1} 行"},
    {Message::kConsoleArgument, "第 {1} 个方程式参数"},
    {Message::kConsoleReaction, "反应 {1}："},
    {Message::kConsoleNote, "说明："},
});

}  // namespace quorvel::messages::detail
