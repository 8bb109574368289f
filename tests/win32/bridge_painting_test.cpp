// Picture1's painting in one process: the ink lands on each bridge and each
// run the layout placed and nowhere else, every character is drawn from a
// font that has it, and the clipboard's image is the picture the right way up.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "bridge_view.h"
#include "dpi.h"
#include "fonts.h"
#include "form/texts.h"
#include "picture_fonts.h"
#include "picture_painter.h"
#include "quorvel/drawing/bridges.h"
#include "wide_text.h"

namespace quorvel::win32 {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);

struct PaintCase {
  const char* equation;
  int dpi;
  int width;  // Picture1's width; narrow ones wrap the labels or scroll
};

const PaintCase kPaintCases[] = {
    {"KMnO4 =△= K2MnO4 + MnO2 + O2↑", 96, 527},
    {"KMnO4 =△= K2MnO4 + MnO2 + O2↑", 144, 790},
    {"Cu + HNO3 = Cu(NO3)2 + NO↑ + H2O", 96, 527},
    {"Cl2 + NaOH = NaCl + NaClO + H2O", 144, 790},
    {"K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O", 96, 527},
    {"Fe + CuSO4 = FeSO4 + Cu", 96, 200},
};

void PrintTo(const PaintCase& c, std::ostream* out) {
  *out << c.equation << " at " << c.dpi << " dpi in " << c.width << " px";
}

drawing::BridgeFigure FigureOf(const std::string& equation) {
  const auto answer = chemistry::Balance(equation);
  const auto details = chemistry::Describe(answer).details;
  EXPECT_TRUE(details) << equation;
  if (!details) return {};
  const auto figure = drawing::MakeBridgeFigure(answer, *details, form::kWindowLanguage);
  EXPECT_TRUE(figure) << equation;
  return figure.value_or(drawing::BridgeFigure{});
}

// Where ink may fall: each run's box and each stroke, a pixel of rounding
// and anti-aliasing around them.
class InkAllowance {
 public:
  explicit InkAllowance(SIZE size)
      : width_(size.cx), allowed_(static_cast<std::size_t>(size.cx * size.cy), false) {}
  void Box(double left, double top, double right, double bottom) {
    for (int y = static_cast<int>(std::floor(top)) - 1; y <= static_cast<int>(std::ceil(bottom));
         ++y) {
      for (int x = static_cast<int>(std::floor(left)) - 1; x <= static_cast<int>(std::ceil(right));
           ++x) {
        Set(x, y);
      }
    }
  }
  bool Allowed(int x, int y) const { return allowed_[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  void Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && Index(x, y) < allowed_.size())
      allowed_[Index(x, y)] = true;
  }
  int width_;
  std::vector<bool> allowed_;
};

bool InkNear(const PictureImage& image, double x, double y, int reach) {
  const int cx = static_cast<int>(std::lround(x));
  const int cy = static_cast<int>(std::lround(y));
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const int px = cx + dx;
      const int py = cy + dy;
      if (px < 0 || py < 0 || px >= image.size.cx || py >= image.size.cy) continue;
      if (image.pixels[static_cast<std::size_t>(py * image.size.cx + px)] != 0xFFFFFF) return true;
    }
  }
  return false;
}

bool InkIn(const PictureImage& image, const drawing::Box& box) {
  for (int y = std::max(0, static_cast<int>(box.top));
       y < std::min<double>(image.size.cy, box.bottom()); ++y) {
    for (int x = std::max(0, static_cast<int>(box.left));
         x < std::min<double>(image.size.cx, box.right()); ++x) {
      if (image.pixels[static_cast<std::size_t>(y * image.size.cx + x)] != 0xFFFFFF) return true;
    }
  }
  return false;
}

class BridgePaintingTest : public testing::TestWithParam<PaintCase> {};

TEST_P(BridgePaintingTest, InkOnEveryBridgeAndRunAndNowhereElse) {
  const PaintCase& c = GetParam();
  const LOGFONTW box_font = FontDescription(form::FontRole::kBox, c.dpi);
  const PictureFonts fonts(box_font, std::abs(box_font.lfHeight));
  const drawing::Picture picture = drawing::LayOut(
      FigureOf(c.equation),
      {std::abs(static_cast<double>(box_font.lfHeight)), static_cast<double>(c.width)}, fonts);
  ASSERT_FALSE(picture.bridges.empty());
  const PictureImage image = RenderPicture(picture, fonts, kInk, kPaper);
  ASSERT_EQ(image.size.cx, PictureSize(picture).cx);
  ASSERT_EQ(image.size.cy, PictureSize(picture).cy);

  InkAllowance allowance(image.size);
  const double half = picture.stroke_width / 2 + 1;
  for (const drawing::TextRun& run : picture.runs) {
    EXPECT_TRUE(InkIn(image, run.box)) << "nothing drawn of " << run.text;
    allowance.Box(run.box.left, run.box.top, run.box.right(), run.box.bottom());
  }
  for (const drawing::PictureBridge& bridge : picture.bridges) {
    for (std::size_t i = 1; i < bridge.path.size(); ++i) {
      const drawing::Point a = bridge.path[i - 1];
      const drawing::Point b = bridge.path[i];
      allowance.Box(std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
                    std::max(a.y, b.y) + half);
      for (const double t : {0.1, 0.5, 0.9}) {
        EXPECT_TRUE(InkNear(image, a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, 1))
            << "a gap in a bridge of " << c.equation << " at segment " << i;
      }
    }
    const drawing::ArrowHead& head = bridge.head;
    allowance.Box(std::min({head.tip.x, head.left.x, head.right.x}) - 1,
                  std::min({head.tip.y, head.left.y, head.right.y}) - 1,
                  std::max({head.tip.x, head.left.x, head.right.x}) + 1,
                  std::max({head.tip.y, head.left.y, head.right.y}) + 1);
    EXPECT_TRUE(InkNear(image, (head.tip.x + head.left.x + head.right.x) / 3,
                        (head.tip.y + head.left.y + head.right.y) / 3, 0))
        << "an arrow head not filled";
  }
  int stray = 0;
  for (int y = 0; y < image.size.cy; ++y) {
    for (int x = 0; x < image.size.cx; ++x) {
      if (image.pixels[static_cast<std::size_t>(y * image.size.cx + x)] != 0xFFFFFF &&
          !allowance.Allowed(x, y)) {
        ++stray;
      }
    }
  }
  EXPECT_EQ(stray, 0) << "ink outside every run and bridge";
}

INSTANTIATE_TEST_SUITE_P(Equations, BridgePaintingTest, testing::ValuesIn(kPaintCases));

// Every character of a picture is drawn from a font that has it: a box
// font without the superscript minus borrows it, and nothing is a box.
TEST(PictureFontsTest, EveryCharacterHasAGlyphInItsFont) {
  const drawing::Picture picture = [] {
    const LOGFONTW box_font = FontDescription(form::FontRole::kBox, 96);
    const PictureFonts fonts(box_font, 14);
    return drawing::LayOut(FigureOf("KMnO4 =△= K2MnO4 + MnO2 + O2↑"), {14, 527}, fonts);
  }();
  const LOGFONTW box_font = FontDescription(form::FontRole::kBox, 96);
  const PictureFonts fonts(box_font, 14);
  const HDC device = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(device);
  bool minus_seen = false;
  for (const drawing::TextRun& run : picture.runs) {
    int width = 0;
    for (const PictureFonts::Segment& segment : fonts.Segments(run.text, run.size)) {
      minus_seen = minus_seen || segment.text.find(L'\x207B') != std::wstring::npos;
      const HGDIOBJ previous = SelectObject(device, segment.font);
      std::vector<WORD> glyphs(segment.text.size());
      GetGlyphIndicesW(device, segment.text.data(), static_cast<int>(segment.text.size()),
                       glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
      SelectObject(device, previous);
      EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}), 0) << run.text;
      width += segment.width;
    }
    EXPECT_EQ(width, fonts.Width(run.text, run.size)) << "measured as painted: " << run.text;
  }
  DeleteDC(device);
  EXPECT_TRUE(minus_seen) << "the labels count electrons as e⁻";
}

// The clipboard's DIB: its header gives the picture's size, and its rows run
// from the bottom up as the format has them.
TEST(PackedDibTest, HoldsTheImageBottomRowFirst) {
  struct Case {
    LONG width;
    LONG height;
  };
  for (const Case c : {Case{1, 1}, Case{3, 2}, Case{5, 4}}) {
    PictureImage image;
    image.size = {c.width, c.height};
    for (LONG i = 0; i < c.width * c.height; ++i) image.pixels.push_back(static_cast<DWORD>(i));
    const HGLOBAL memory = PackedDib(image);
    ASSERT_TRUE(memory);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(memory));
    EXPECT_EQ(header->biWidth, c.width);
    EXPECT_EQ(header->biHeight, c.height);
    EXPECT_EQ(header->biBitCount, 32);
    EXPECT_EQ(GlobalSize(memory), sizeof(BITMAPINFOHEADER) + image.pixels.size() * 4);
    const auto* rows = reinterpret_cast<const DWORD*>(header + 1);
    for (LONG y = 0; y < c.height; ++y) {
      for (LONG x = 0; x < c.width; ++x) {
        EXPECT_EQ(rows[(c.height - 1 - y) * c.width + x],
                  image.pixels[static_cast<std::size_t>(y * c.width + x)]);
      }
    }
    GlobalUnlock(memory);
    GlobalFree(memory);
  }
  EXPECT_EQ(PackedDib(PictureImage{}), nullptr) << "no picture, no image";
}

// Picture1's view on a real STATIC: its height with and without the scroll
// bar, and what a screen reader gets from its client object.
struct ViewCase {
  const char* equation;  // null: nothing to draw
  int width;
  bool scrolls;
};

std::wstring Described(IAccessible* object, long& role) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  std::wstring description;
  if (object->get_accDescription(self, &text) == S_OK && text) description = text;
  SysFreeString(text);
  VARIANT got{};
  role = object->get_accRole(self, &got) == S_OK && got.vt == VT_I4 ? got.lVal : 0;
  return description;
}

TEST(BridgeViewTest, HeightScrollBarAndWhatScreenReadersGet) {
  const ViewCase cases[] = {
      {"KMnO4 =△= K2MnO4 + MnO2 + O2↑", 527, false},
      {"K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O", 300, true},
      {nullptr, 527, false},
  };
  // A screen reader's side of the exchange.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(c.equation ? c.equation : "nothing");
    const HWND control =
        CreateWindowExW(0, L"Static", L"", WS_POPUP | SS_OWNERDRAW | SS_NOTIFY, 0, 0, c.width, 10,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!control) GTEST_SKIP() << "no window can be made here (no display)";
    BridgeView view;
    view.Attach(control);
    std::optional<drawing::BridgeFigure> figure;
    if (c.equation) figure = FigureOf(c.equation);
    const std::string name = figure ? figure->name : "";
    const std::string description = figure ? figure->description : "";
    view.SetFigure(std::move(figure));
    view.LayOut(FontDescription(form::FontRole::kBox, 96), c.width, 96);

    const drawing::Picture* shown = view.Shown();
    ASSERT_EQ(shown != nullptr, c.equation != nullptr);
    const int picture_height = shown ? static_cast<int>(PictureSize(*shown).cy) : 0;
    EXPECT_EQ(view.Height(), picture_height + (c.scrolls ? SystemMetric(SM_CYHSCROLL, 96) : 0));
    EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_HSCROLL) != 0, c.scrolls);

    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    EXPECT_EQ(EncodeUtf8(FromWide(text)), name);
    IAccessible* object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&object)),
              S_OK);
    long role = 0;
    EXPECT_EQ(EncodeUtf8(FromWide(Described(object, role))), description);
    // With nothing drawn it is the plain control the system describes.
    EXPECT_EQ(role == ROLE_SYSTEM_GRAPHIC, c.equation != nullptr);
    object->Release();
    DestroyWindow(control);
  }
}

}  // namespace
}  // namespace quorvel::win32
