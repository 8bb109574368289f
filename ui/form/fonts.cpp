#include "form/fonts.h"

namespace quorvel::form {
namespace {

constexpr FontSpec kHint{"Verdana", 9.0, 400, 0};
constexpr FontSpec kCaption{"微软雅黑", 12.0, 700, 134};
constexpr FontSpec kStatus{"微软雅黑", 10.5, 700, 134};
constexpr FontSpec kBox{"Verdana", 10.5, 700, 0};
constexpr FontSpec kButton{"微软雅黑", 9.0, 400, 134};

}  // namespace

const FontSpec* FontFor(FontRole role) {
  switch (role) {
    case FontRole::kHint:
      return &kHint;
    case FontRole::kCaption:
      return &kCaption;
    case FontRole::kStatus:
      return &kStatus;
    case FontRole::kBox:
      return &kBox;
    case FontRole::kButton:
      return &kButton;
    case FontRole::kWindowDefault:
      break;
  }
  return nullptr;
}

}  // namespace quorvel::form
