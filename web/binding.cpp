// The page's way into the library: plain C functions for ccall, each
// returning one JSON text that stays valid until the next call (the page
// copies it out at once), so that no generated glue needs eval.
#include <emscripten/emscripten.h>

#include <string>

#include "page_answer.h"

namespace {
std::string last_text;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* quorvel_answer(const char* equation, const char* given) {
  last_text = quorvel::web::PageAnswer(equation, given);
  return last_text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quorvel_texts() {
  last_text = quorvel::web::PageTexts();
  return last_text.c_str();
}

}  // extern "C"
