// The form's behaviour once, for every toolkit: the balance command by click
// and by Enter, the locked controls and status text while it runs, a close in
// the middle of it, the refusal of a second instance, and the CPU line.
#include "form/form_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "form/texts.h"
#include "quorvel/pipeline.h"

namespace quorvel::form {
namespace {

std::string Utf8(const Text& text) { return EncodeUtf8(text); }
Text U32(const std::string& text) { return DecodeUtf8(text).value(); }

class FakeView : public FormView {
 public:
  FakeView() {
    for (const ControlSpec& entry : kControls) texts[entry.id] = entry.caption;
  }

  Text ControlText(ControlId id) const override { return U32(texts.at(id)); }
  void SetControlText(ControlId id, const Text& text) override {
    texts[id] = Utf8(text);
    ++writes[id];
  }
  void SetControlEnabled(ControlId id, bool enabled) override { disabled[id] = !enabled; }
  void FocusControl(ControlId id) override { focus = id; }
  void ProcessPendingEvents() override {
    ++yields;
    if (in_yield) in_yield();
  }
  void ShowCriticalBox(const Text& title, const Text& text) override {
    boxes.push_back(Utf8(title) + "|" + Utf8(text));
  }
  void StopTimer() override { timer_stopped = true; }
  void EndProgram() override { ended = true; }

  bool AllEnabled() const {
    for (const auto& [id, off] : disabled) {
      if (off) return false;
    }
    return true;
  }
  bool BalanceControlsDisabled() const {
    return disabled.count(ControlId::kText1) && disabled.at(ControlId::kText1) &&
           disabled.at(ControlId::kText3) && disabled.at(ControlId::kCommand1);
  }

  std::map<ControlId, std::string> texts;
  std::map<ControlId, int> writes;
  std::map<ControlId, bool> disabled;
  ControlId focus = ControlId::kLabel1;  // anywhere but Text1
  std::vector<std::string> boxes;
  bool timer_stopped = false;
  bool ended = false;
  long long yields = 0;
  std::function<void()> in_yield;
};

class FakeInstance : public PreviousInstance {
 public:
  explicit FakeInstance(bool running) : running_(running) {}
  bool IsRunning() override {
    ++asked;
    return running_;
  }
  int asked = 0;

 private:
  bool running_;
};

struct Fixture {
  explicit Fixture(bool other_instance = false) : instance(other_instance) {}
  FakeView view;
  FakeInstance instance;
  std::vector<std::int32_t> readings{25};
  int samples = 0;
  FormController form{view, instance, [this] {
                        const std::int32_t reading = readings.at(std::min<std::size_t>(
                            static_cast<std::size_t>(samples), readings.size() - 1));
                        ++samples;
                        return reading;
                      }};
};

enum class Trigger { kClick, kEnter };

struct BalanceCase {
  const char* name;
  const char* input;
  const char* text1;
  const char* text3;
  const char* text2;
};

const BalanceCase kBalanceCases[] = {
    {"water", "H2 + O2 = H2O", "H2+O2=H2O", "2H2+O2=2H2O",
     "2    0    -2    \r\n0    2    -1    \r\n"},
    {"full-width signs", "Fe＋O2 = Fe2O3", "Fe+O2=Fe2O3", "4Fe+3O2=2Fe2O3",
     "1    0    -2    \r\n0    2    -3    \r\n"},
    {"empty", "", "", kFailureText, ""},
    {"no equals sign", "H2O", "H2O", kFailureText, "-2    \r\n-1    \r\n"},
    {"no element", "1 + 2 = 3", "1+2=3", kFailureText, ""},
    {"ten compounds", "H+H+H+H+H+H+H+H+H=H", "H+H+H+H+H+H+H+H+H=H", kFailureText,
     "1    1    1    1    1    1    1    1    1    -1    \r\n"},
};

TEST(FormController, BalanceShowsResultMatrixAndUnlocks) {
  for (const Trigger trigger : {Trigger::kClick, Trigger::kEnter}) {
    for (const BalanceCase& c : kBalanceCases) {
      SCOPED_TRACE(std::string(c.name) + (trigger == Trigger::kClick ? ", click" : ", enter"));
      Fixture f;
      f.view.texts[ControlId::kText1] = c.input;
      if (trigger == Trigger::kClick) {
        f.form.Command1_Click();
      } else {
        int key = kEnterKey;
        f.form.Text1_KeyPress(key);
        EXPECT_EQ(key, kEnterKey);  // passed on unchanged
      }
      EXPECT_EQ(f.view.texts[ControlId::kText1], c.text1);
      EXPECT_EQ(f.view.texts[ControlId::kText3], c.text3);
      EXPECT_EQ(f.view.texts[ControlId::kText2], c.text2);
      EXPECT_TRUE(f.view.AllEnabled());
      EXPECT_EQ(f.view.focus, ControlId::kText1);
      EXPECT_FALSE(f.form.Balancing());
    }
  }
}

TEST(FormController, OnlyEnterInText1Balances) {
  for (int key : {0, 10, 32, int{'H'}, 0x6C34 /* 水 */}) {
    SCOPED_TRACE(key);
    Fixture f;
    f.view.texts[ControlId::kText1] = "H2+O2=H2O";
    f.form.Text1_KeyPress(key);
    EXPECT_EQ(f.view.texts[ControlId::kText3], "");
    EXPECT_EQ(f.view.texts[ControlId::kText2], kText2Initial);
    EXPECT_EQ(f.view.yields, 0);
  }
}

TEST(FormController, LockedWithStatusWhileBalancingAndNoSecondStart) {
  for (const char* input : {"H2+O2=H2O", "H2O"}) {
    SCOPED_TRACE(input);
    Fixture f;
    f.view.texts[ControlId::kText1] = input;
    bool observed = false;
    f.view.in_yield = [&] {
      if (observed) return;
      observed = true;
      EXPECT_TRUE(f.form.Balancing());
      EXPECT_TRUE(f.view.BalanceControlsDisabled());
      EXPECT_EQ(f.view.texts[ControlId::kText3], kStatusText);
      // What a queued click or Enter would do: nothing while a balance runs.
      const long long before = f.view.yields;
      f.form.Command1_Click();
      int key = kEnterKey;
      f.form.Text1_KeyPress(key);
      EXPECT_EQ(f.view.yields, before);
      EXPECT_EQ(f.view.texts[ControlId::kText3], kStatusText);
    };
    BufferHost alone(U32(input));
    Text expected;
    try {
      expected = BalanceEquation(alone);
    } catch (const BalanceFailure&) {
      expected = U32(kFailureText);
    }
    f.form.Command1_Click();
    EXPECT_TRUE(observed);
    EXPECT_EQ(f.view.texts[ControlId::kText3], Utf8(expected));
    // One balance's yields, not two.
    EXPECT_EQ(f.view.yields, alone.yields());
    EXPECT_TRUE(f.view.AllEnabled());
  }
}

// A box takes its time over every new text when it holds pasted megabytes:
// the engine's texts reach the boxes at most once between two yields, and
// every yield shows them exactly as the engine has them.
TEST(FormController, EngineTextsReachTheBoxesOncePerYield) {
  // Each of the first five normalisation passes, all before the first yield,
  // changes this text.
  const std::string input = "H2 （g）＋O2 -> H2O";
  using Shown = std::pair<std::string, std::string>;  // equation, matrix
  struct Recorder : BufferHost {
    using BufferHost::BufferHost;
    bool YieldToUi() override {
      seen.emplace_back(Utf8(EquationText()), Utf8(MatrixText()));
      return BufferHost::YieldToUi();
    }
    std::vector<Shown> seen;
  } alone(U32(input));
  alone.SetMatrixText(U32(kText2Initial));
  try {
    BalanceEquation(alone);
  } catch (const BalanceFailure&) {
    // Only the texts on the way matter here.
  }

  Fixture f;
  f.view.texts[ControlId::kText1] = input;
  std::vector<Shown> shown;
  int most_writes = 0;
  f.view.in_yield = [&] {
    shown.emplace_back(f.view.texts[ControlId::kText1], f.view.texts[ControlId::kText2]);
    most_writes =
        std::max({most_writes, f.view.writes[ControlId::kText1], f.view.writes[ControlId::kText2]});
    f.view.writes.clear();
  };
  f.form.Command1_Click();
  EXPECT_EQ(shown, alone.seen);
  EXPECT_EQ(most_writes, 1);
  EXPECT_EQ(f.view.texts[ControlId::kText1], Utf8(alone.EquationText()));
  EXPECT_EQ(f.view.texts[ControlId::kText2], Utf8(alone.MatrixText()));
}

TEST(FormController, CloseDuringBalanceWritesNothingMore) {
  // Nine compounds and no solution: the longest search there is.
  const std::string endless = "Fe+H2+O2+N2+Cl2+F2+Br2+S=He";
  struct Case {
    const char* name;
    bool after_matrix;
  };
  for (const Case c : {Case{"during normalisation", false}, Case{"in the search", true}}) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.view.texts[ControlId::kText1] = endless;
    std::string matrix_at_close;
    f.view.in_yield = [&] {
      const std::string& matrix = f.view.texts[ControlId::kText2];
      if (f.form.Closing() || (c.after_matrix && (matrix.empty() || matrix == kText2Initial))) {
        return;
      }
      matrix_at_close = matrix;
      std::int16_t cancel = 0;
      f.form.Form_Unload(cancel);
      EXPECT_EQ(cancel, 0);
    };
    f.form.Command1_Click();
    EXPECT_TRUE(f.form.Closing());
    EXPECT_FALSE(f.form.Balancing());
    EXPECT_TRUE(f.view.timer_stopped);
    EXPECT_TRUE(f.view.ended);
    EXPECT_EQ(f.view.texts[ControlId::kText3], kStatusText);
    EXPECT_EQ(f.view.texts[ControlId::kText2], matrix_at_close);
    EXPECT_TRUE(f.view.BalanceControlsDisabled());
    EXPECT_FALSE(f.form.YieldToUi());
    // Nothing starts once the window is closing.
    const long long yields = f.view.yields;
    f.form.Command1_Click();
    EXPECT_EQ(f.view.yields, yields);
  }
}

TEST(FormController, SecondInstanceToldAndEnds) {
  for (const bool other_instance : {false, true}) {
    SCOPED_TRACE(other_instance);
    Fixture f(other_instance);
    EXPECT_EQ(f.form.Form_Load(), !other_instance);
    EXPECT_EQ(f.instance.asked, 1);
    EXPECT_EQ(f.view.timer_stopped, other_instance);
    const std::vector<std::string> expected_boxes =
        other_instance ? std::vector<std::string>{std::string(kAlreadyRunningTitle) + "|" +
                                                  kAlreadyRunningText}
                       : std::vector<std::string>{};
    EXPECT_EQ(f.view.boxes, expected_boxes);
  }
}

TEST(FormController, CpuLineShowsEachReadingAfterASilentFirstSample) {
  Fixture f;
  f.readings = {100, 25, -1, 0, 175};
  // The baseline sample was taken when the form was made, and not shown.
  EXPECT_EQ(f.samples, 1);
  EXPECT_EQ(f.view.texts[ControlId::kLabel7], kLabel7Initial);
  const char* const shown[] = {"当前系统总CPU占用率：25 %", "当前系统总CPU占用率：-1 %",
                               "当前系统总CPU占用率：0 %", "当前系统总CPU占用率：175 %"};
  for (const char* caption : shown) {
    f.form.Timer1_Timer();
    EXPECT_EQ(f.view.texts[ControlId::kLabel7], caption);
  }
  EXPECT_EQ(f.view.yields, 0);
}

}  // namespace
}  // namespace quorvel::form
