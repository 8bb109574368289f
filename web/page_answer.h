#pragma once

// What the web page shows, as one JSON object per question, so that the page
// itself holds no chemistry and no text of its own.
//
//   PageAnswer("KMnO4 =△= K2MnO4 + MnO2 + O2↑", "KMnO4 31.6g")
//     {"answer": {...}              the object of `quorvel-cli --chemistry --json --details`
//      "result": "2KMnO4 =△= ...",  the balanced equation, or the failure text with its reason
//      "ok": true,
//      "reason": null,              the Chinese reason when the equation did not balance
//      "details_lines": [...],      the 详解 lines, as the console and the window show them
//      "given_error": null,         why the 已知 box does not fit, when it does not
//      "svg": ""}                   the 双线桥 drawing
//
//   PageTexts()  {"title": ..., "balance": "配平", ...}: the page's fixed texts.

#include <string>
#include <string_view>

namespace quorvel::web {

std::string PageAnswer(std::string_view equation, std::string_view given);

std::string PageTexts();

}  // namespace quorvel::web
