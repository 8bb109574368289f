#pragma once

// The window's form as data: every control's kind, caption, place and size in
// twips, font, tab index and colour. The front ends build their controls from
// this table and nothing else; the form's behaviour is in form_controller.h.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "form/texts.h"

namespace quorvel::form {

// In the table's order: the window from top to bottom, then the chemistry
// mode's 详解 pane, which only that mode shows below the CPU line.
enum class ControlId {
  kLabel3,
  kLabel4,
  kLabel6,
  kLabel1,
  kText1,
  kCommand1,
  kLabel2,
  kText3,
  kLabel5,
  kLabel7,
  kText2,
  kPicture1,
  kText4,
  kLabel8,
  kText5,
};

// kDetailsBox: read-only, several lines, scrolled when its text is longer than
// its place; kPicture: a drawing, painted by the front end.
enum class ControlKind { kLabel, kTextBox, kButton, kDetailsBox, kPicture };

// The fonts by what they are for; kWindowDefault is the toolkit's own.
enum class FontRole { kHint, kCaption, kStatus, kBox, kButton, kWindowDefault };

// Twips from the top-left corner of the client area: 1440 to the inch, so 15
// to the pixel at 96 dots per inch.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct ControlSpec {
  ControlId id;
  const char* name;  // the control's name, as tests and drivers look it up
  ControlKind kind;
  std::optional<Message> caption;  // the text when the window opens; none: empty
  // For a label, where it starts and how large its caption is in the
  // reference face; the label itself always takes its caption's extent.
  TwipsRect twips;
  FontRole font;
  int tab_index;
  // Tab reaches it. Labels never take the focus, and the matrix box lies
  // below the visible area, where the focus would vanish from sight.
  bool tab_stop;
  bool read_only;  // results can be selected and copied, not typed over
  bool red;        // pure red text (255, 0, 0) instead of the system's colour
};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr const char* kFormName = "Form1";
inline constexpr TwipsRect kClientArea{0, 0, 8145, 2400};
inline constexpr const char* kTimerName = "Timer1";
inline constexpr int kTimerIntervalMs = 1000;
// The client area's height in the chemistry mode with the pane at its least:
// the rows of the pane below the default form, and a margin under them.
inline constexpr int kPaneClientHeightTwips = 3390;

// The controls keep the names the window's design gave them; what each does:
//   Label3, Label4, Label6  the three lines of hints at the top
//   Label1    the caption before the equation box
//   Text1     the equation the user types
//   Command1  the button that balances it (Enter in Text1 does the same)
//   Label2    the caption before the result box
//   Text3     the balanced equation or the failure text, read-only
//   Label5    the maker's name, in red
//   Label7    the CPU usage line, renewed by Timer1 once a second
//   Text2     the composition matrix, below the visible area
// The chemistry mode's pane, at its places when it holds one line; rows under
// a grown Text4 move down with it (layout.h):
//   Picture1  the 双线桥 drawing, of no height when there is nothing to draw
//   Text4     the details of the answer, read-only, several lines
//   Label8    the caption before the amounts box
//   Text5     the given amounts (Enter works out what reacts)
// clang-format off
inline constexpr std::array<ControlSpec, 15> kControls{{
  {ControlId::kLabel3,   "Label3",   ControlKind::kLabel,   Message::kWindowHintConditions,   {120, 0, 6840, 210},    FontRole::kHint,    6,  false, false, false},
  {ControlId::kLabel4,   "Label4",   ControlKind::kLabel,   Message::kWindowHintCase,         {120, 240, 7560, 210},  FontRole::kHint,    7,  false, false, false},
  {ControlId::kLabel6,   "Label6",   ControlKind::kLabel,   Message::kWindowHintSubscripts,   {120, 480, 7380, 210},  FontRole::kHint,    9,  false, false, false},
  {ControlId::kLabel1,   "Label1",   ControlKind::kLabel,   Message::kWindowEquationCaption,  {0, 840, 960, 330},     FontRole::kCaption, 3,  false, false, false},
  {ControlId::kText1,    "Text1",    ControlKind::kTextBox, std::nullopt,                     {960, 840, 5895, 375},  FontRole::kBox,     0,  true,  false, false},
  {ControlId::kCommand1, "Command1", ControlKind::kButton,  Message::kWindowBalanceButton,    {6840, 840, 1215, 375}, FontRole::kButton,  2,  true,  false, false},
  {ControlId::kLabel2,   "Label2",   ControlKind::kLabel,   Message::kWindowResultCaption,    {0, 1560, 945, 330},    FontRole::kCaption, 5,  false, false, false},
  {ControlId::kText3,    "Text3",    ControlKind::kTextBox, std::nullopt,                     {960, 1560, 5895, 375}, FontRole::kBox,     4,  true,  true,  false},
  {ControlId::kLabel5,   "Label5",   ControlKind::kLabel,   Message::kWindowMaker,            {7200, 1680, 795, 330}, FontRole::kCaption, 8,  false, false, true},
  {ControlId::kLabel7,   "Label7",   ControlKind::kLabel,   Message::kCpuUsageUnknown,        {0, 2040, 2745, 285},   FontRole::kStatus,  10, false, false, false},
  {ControlId::kText2,    "Text2",    ControlKind::kTextBox, Message::kWindowMatrixInitial,    {6240, 2640, 1695, 495}, FontRole::kWindowDefault, 1, false, false, false},
  {ControlId::kPicture1, "Picture1", ControlKind::kPicture,   std::nullopt,                   {120, 2400, 7905, 0},   FontRole::kBox,     13, false, false, false},
  {ControlId::kText4,    "Text4",    ControlKind::kDetailsBox, std::nullopt,                  {120, 2400, 7905, 375}, FontRole::kStatus,  11, true,  true,  false},
  {ControlId::kLabel8,   "Label8",   ControlKind::kLabel,   Message::kWindowGivenCaption,     {0, 2895, 960, 330},    FontRole::kCaption, 14, false, false, false},
  {ControlId::kText5,    "Text5",    ControlKind::kTextBox, std::nullopt,                     {960, 2895, 5895, 375}, FontRole::kBox,     12, true,  false, false},
}};
// clang-format on

constexpr const ControlSpec& TableEntry(ControlId id) {
  return kControls[static_cast<std::size_t>(id)];
}

// The rows only the chemistry mode shows; the default mode's form is the rest.
constexpr bool InChemistryPane(ControlId id) { return id >= ControlId::kPicture1; }

// The control's text when the window opens, in UTF-8.
inline std::string Caption(const ControlSpec& entry) {
  return entry.caption ? WindowText(*entry.caption) : std::string();
}

}  // namespace quorvel::form
