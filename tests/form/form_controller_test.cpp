// The form's behaviour once, for every toolkit: the balance command by click
// and by Enter, the locked controls and status text while it runs, a close in
// the middle of it, the refusal of a second instance, and the CPU line.
#include "form/form_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "form/texts.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"
#include "quorvel/pipeline.h"

namespace quorvel::form {
namespace {

std::string Utf8(const Text& text) { return EncodeUtf8(text); }
Text U32(const std::string& text) { return DecodeUtf8(text).value(); }

const std::string kFailureText(FailureTextUtf8());
const std::string kText2Initial = WindowText(Message::kWindowMatrixInitial);
const std::string kStatusText = WindowText(Message::kWindowBalancing);

class FakeView : public FormView {
 public:
  FakeView() {
    for (const ControlSpec& entry : kControls) texts[entry.id] = Caption(entry);
  }

  Text ControlText(ControlId id) const override { return U32(texts.at(id)); }
  void SetControlText(ControlId id, const Text& text) override {
    texts[id] = Utf8(text);
    ++writes[id];
  }
  void SetControlEnabled(ControlId id, bool enabled) override { disabled[id] = !enabled; }
  void FocusControl(ControlId id) override { focus = id; }
  void SetWindowCaption(const Text& text) override { caption = Utf8(text); }
  void ShowChemistryPane(bool shown) override { pane_shown = shown; }
  void ShowDetailsLine(std::size_t line) override { details_line = line; }
  void ShowBridges(const chemistry::Answer* answer, const chemistry::Details* details) override {
    bridges = answer && details ? answer->result : std::string();
    ++bridge_calls;
  }
  void ProcessPendingEvents() override {
    ++yields;
    if (in_yield) in_yield();
  }
  void ShowCriticalBox(const Text& title, const Text& text) override {
    boxes.push_back(Utf8(title) + "|" + Utf8(text));
  }
  void StopTimer() override { timer_stopped = true; }
  void EndProgram() override { ended = true; }
  void WakeUi() override {
    const std::lock_guard lock(wake_mutex);
    ++wakes;
    woken.notify_all();
  }
  // What the window's event loop does for a wake: the chemistry library's
  // work is bounded well under the wait.
  bool WaitAndPump(FormController& form) {
    {
      std::unique_lock lock(wake_mutex);
      if (!woken.wait_for(lock, std::chrono::seconds(30), [this] { return wakes > pumped; })) {
        return false;
      }
      ++pumped;
    }
    form.Pump();
    return true;
  }

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
  std::string caption;
  bool pane_shown = false;
  std::size_t details_line = 0;
  std::string bridges;  // the answer drawn, empty when cleared
  int bridge_calls = 0;
  bool timer_stopped = false;
  bool ended = false;
  long long yields = 0;
  std::function<void()> in_yield;
  std::mutex wake_mutex;
  std::condition_variable woken;
  int wakes = 0;
  int pumped = 0;
};

class FakeSettings : public Settings {
 public:
  std::optional<std::string> Value(std::string_view key) const override {
    const auto found = values.find(std::string(key));
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  bool SetValue(std::string_view key, std::string_view value) override {
    ++stores;
    if (!writable) return false;
    values[std::string(key)] = value;
    return true;
  }
  std::map<std::string, std::string> values;
  bool writable = true;
  int stores = 0;
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
  std::string text3;
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
        other_instance
            ? std::vector<std::string>{WindowText(Message::kWindowAlreadyRunningTitle) + "|" +
                                       WindowText(Message::kWindowAlreadyRunningText)}
            : std::vector<std::string>{};
    EXPECT_EQ(f.view.boxes, expected_boxes);
  }
}

TEST(FormController, CpuLineShowsEachReadingAfterASilentFirstSample) {
  Fixture f;
  f.readings = {100, 25, -1, 0, 175};
  // The baseline sample was taken when the form was made, and not shown.
  EXPECT_EQ(f.samples, 1);
  EXPECT_EQ(f.view.texts[ControlId::kLabel7], WindowText(Message::kCpuUsageUnknown));
  const char* const shown[] = {"当前系统总CPU占用率：25 %", "当前系统总CPU占用率：-1 %",
                               "当前系统总CPU占用率：0 %", "当前系统总CPU占用率：175 %"};
  for (const char* caption : shown) {
    f.form.Timer1_Timer();
    EXPECT_EQ(f.view.texts[ControlId::kLabel7], caption);
  }
  EXPECT_EQ(f.view.yields, 0);
}

// The chemistry mode: the exact library answers on a worker thread, the
// window collects the answer when woken; Text1 keeps what the user typed.
struct ChemistryCase {
  const char* name;
  bool chemistry;
  const char* input;
  std::string text3;
  const char* text2;  // null: not checked
};

const ChemistryCase kChemistryCases[] = {
    {"glucose", true, "C6H12O6 + O2 = CO2 + H2O", "C6H12O6 + 6O2 = 6CO2 + 6H2O",
     "6    0    -1    0    \r\n12    0    0    -2    \r\n6    2    -2    -1    \r\n"},
    {"ions and a charge line", true, "MnO4- + Fe^2+ + H+ -> Mn^2+ + Fe^3+ + H2O",
     "MnO4- + 5Fe^2+ + 8H+ -> Mn^2+ + 5Fe^3+ + 4H2O",
     "1    0    0    -1    0    0    \r\n4    0    0    0    0    -1    \r\n"
     "0    1    0    0    -1    0    \r\n0    0    1    0    0    -2    \r\n"
     "-1    2    1    -2    -3    0    \r\n"},
    {"typed spacing kept", true, "H2+O2 = H2O", "2H2 + O2 = 2H2O",
     "2    0    -2    \r\n0    2    -1    \r\n"},
    // Failures name what is wrong, in Chinese; a reading's matrix stays on show.
    {"elements on one side", true, "H2 + O2 = N2",
     "方程式配平失败！H、O 只出现在反应物中；N 只出现在生成物中",
     "2    0    0    \r\n0    2    0    \r\n0    0    -2    \r\n"},
    {"several reactions", true, "H2 + O2 = H2O2 + H2O",
     "方程式配平失败！配平方式不止一种：这个方程式包含 2 个相互独立的反应", nullptr},
    {"unreadable: position, no matrix", true, "H2 + = H2O",
     "方程式配平失败！第 4 个字符“+”之后没有物质", ""},
    {"unknown element", true, "C6H12O6 + O2 = CO2 + H2O + Xy",
     "方程式配平失败！第 28 个字符处的“Xy”不是元素符号", ""},
    {"empty", true, "", "方程式配平失败！方程式是空的", ""},
    // The default mode is untouched: its reading rules fail on glucose.
    {"default mode on glucose", false, "C6H12O6 + O2 = CO2 + H2O", kFailureText, nullptr},
};

TEST(FormController, ChemistryModeAnswersAsTheConsole) {
  for (const ChemistryCase& c : kChemistryCases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    FakeSettings settings;
    f.form.LoadSettings(settings, c.chemistry);
    f.view.texts[ControlId::kText1] = c.input;
    f.form.Command1_Click();
    if (c.chemistry) {
      ASSERT_TRUE(f.view.WaitAndPump(f.form));
      EXPECT_EQ(f.view.texts[ControlId::kText1], c.input);
      EXPECT_EQ(f.view.yields, 0);  // its own thread: the window never waits in a yield
    }
    EXPECT_EQ(f.view.texts[ControlId::kText3], c.text3);
    if (c.text2) {
      EXPECT_EQ(f.view.texts[ControlId::kText2], c.text2);
    }
    EXPECT_TRUE(f.view.AllEnabled());
    EXPECT_EQ(f.view.focus, ControlId::kText1);
    EXPECT_FALSE(f.form.Balancing());
  }
}

// Each Enter shows the matrix of the reading that answered it: none for a
// text the library refuses unread, however well the reader alone would take
// it, and nothing left from the Enter before.
TEST(FormController, ChemistryMatrixIsTheAnswersOwn) {
  struct Step {
    std::string input;
    const char* text2;
  };
  const Step steps[] = {
      {"H2 + O2 = H2O", "2    0    -2    \r\n0    2    -1    \r\n"},
      {"H2 + = H2O", ""},
      {"H2 + O2 = N2", "2    0    0    \r\n0    2    0    \r\n0    0    -2    \r\n"},
      {std::string(chemistry::kMaxEquationBytes, ' ') + "H2 + O2 = H2O", ""},
  };
  Fixture f;
  FakeSettings settings;
  f.form.LoadSettings(settings, true);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.input.substr(0, 16));
    f.view.texts[ControlId::kText1] = step.input;
    f.form.Command1_Click();
    ASSERT_TRUE(f.view.WaitAndPump(f.form));
    EXPECT_EQ(f.view.texts[ControlId::kText2], step.text2);
  }
}

// A chemistry balance of `input` started and still running.
struct ChemistryFixture : Fixture {
  explicit ChemistryFixture(const char* input) {
    form.LoadSettings(settings, true);
    view.texts[ControlId::kText1] = input;
    form.Command1_Click();
  }
  FakeSettings settings;
};

TEST(FormController, ChemistryBalanceLocksUntilItsAnswerIsCollected) {
  ChemistryFixture f("Fe + O2 = Fe2O3");
  EXPECT_TRUE(f.form.Balancing());
  EXPECT_TRUE(f.view.BalanceControlsDisabled());
  EXPECT_EQ(f.view.texts[ControlId::kText3], kStatusText);
  // Neither a queued click nor Enter starts a second balance meanwhile.
  f.form.Command1_Click();
  int key = kEnterKey;
  f.form.Text1_KeyPress(key);
  ASSERT_TRUE(f.view.WaitAndPump(f.form));
  EXPECT_EQ(f.view.texts[ControlId::kText3], "4Fe + 3O2 = 2Fe2O3");
  EXPECT_TRUE(f.view.AllEnabled());
  // A stray wake with nothing finished changes nothing.
  f.view.texts[ControlId::kText3] = "kept";
  f.form.Pump();
  EXPECT_EQ(f.view.texts[ControlId::kText3], "kept");
  EXPECT_EQ(f.view.wakes, 1);
}

TEST(FormController, CloseDuringChemistryBalanceWritesNothingMore) {
  ChemistryFixture f("H2 + O2 = H2O");
  std::int16_t cancel = 0;
  f.form.Form_Unload(cancel);
  EXPECT_TRUE(f.view.ended);
  f.view.writes.clear();
  ASSERT_TRUE(f.view.WaitAndPump(f.form));
  EXPECT_TRUE(f.view.writes.empty());
  EXPECT_EQ(f.view.texts[ControlId::kText3], kStatusText);
}

struct SettingCase {
  const char* name;
  std::optional<std::string> stored;
  bool command_line;
  bool chemistry;
};

TEST(FormController, StoredChoiceReadAndOnlyTrueMeansOn) {
  const SettingCase cases[] = {
      {"nothing stored", std::nullopt, false, false},
      {"true", "true", false, true},
      {"false", "false", false, false},
      {"garbage", "yes please", false, false},
      {"empty", "", false, false},
      {"binary", std::string("\xff\0true", 6), false, false},
      {"command line over nothing", std::nullopt, true, true},
      {"command line over false", "false", true, true},
  };
  for (const SettingCase& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    FakeSettings settings;
    if (c.stored) settings.values[kChemistrySettingKey] = *c.stored;
    f.form.LoadSettings(settings, c.command_line);
    EXPECT_EQ(f.form.ChemistryMode(), c.chemistry);
    EXPECT_EQ(f.view.caption,
              WindowText(c.chemistry ? Message::kWindowChemistryCaption : Message::kWindowCaption));
    EXPECT_EQ(settings.stores, 0) << "reading or a run's switch stores nothing";
  }
}

TEST(FormController, MenuSwitchStoresAndHoldsWhenTheStoreRefuses) {
  for (const bool writable : {true, false}) {
    SCOPED_TRACE(writable);
    Fixture f;
    FakeSettings settings;
    settings.writable = writable;
    f.form.LoadSettings(settings, false);
    for (const bool on : {true, false, true}) {
      f.form.SetChemistryMode(on);
      EXPECT_EQ(f.form.ChemistryMode(), on);
      EXPECT_EQ(f.view.caption,
                WindowText(on ? Message::kWindowChemistryCaption : Message::kWindowCaption));
      const std::optional<std::string> stored = settings.Value(kChemistrySettingKey);
      EXPECT_EQ(stored,
                writable ? std::optional<std::string>(on ? "true" : "false") : std::nullopt);
    }
    // The switch takes effect for the next balance at once.
    f.view.texts[ControlId::kText1] = "C6H12O6 + O2 = CO2 + H2O";
    f.form.Command1_Click();
    ASSERT_TRUE(f.view.WaitAndPump(f.form));
    EXPECT_EQ(f.view.texts[ControlId::kText3], "C6H12O6 + 6O2 = 6CO2 + 6H2O");
  }
}

}  // namespace
}  // namespace quorvel::form

namespace quorvel::form {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A chemistry balance of `input` with its answer collected.
struct BalancedFixture : ChemistryFixture {
  explicit BalancedFixture(const char* input) : ChemistryFixture(input) {
    EXPECT_TRUE(view.WaitAndPump(form));
  }
  // The 已知 box's Enter, its answer collected.
  void GiveAmounts(const char* given) {
    view.texts[ControlId::kText5] = given;
    int key = kEnterKey;
    form.Text5_KeyPress(key);
    EXPECT_EQ(key, 0);  // taken: the box does not beep
    EXPECT_TRUE(view.WaitAndPump(form));
  }
};

TEST(FormController, PaneShowsTheDetailsOfEachAnswer) {
  struct Case {
    const char* input;
    std::vector<std::string> lines_in_order;  // each after the one before
    bool bridges;
  };
  const std::string failure =
      WindowText(Message::kWindowChemistryFailure,
                 {chemistry::Explain(chemistry::Balance("H2 + O2 = Fe").reason, kWindowLanguage)});
  const Case cases[] = {
      {"KMnO4 =△= K2MnO4 + MnO2 + O2↑",
       {"相对分子质量：KMnO4", "质量比：316 : 197 : 87 : 32", "反应类型：分解反应", "化合价变化：",
        "失去 2×2e⁻，化合价升高，被氧化", "氧化剂：KMnO4", "还原剂：KMnO4", "氧化产物：O2",
        "还原产物：", "转移电子：4e⁻"},
       true},
      {"NaOH + HCl = NaCl + H2O",
       {"相对分子质量：", "质量比：40 : 36.5 : 58.5 : 18", "反应类型：复分解反应（中和反应）",
        "不是氧化还原反应"},
       false},
      // A failure is told in the pane as in the result box.
      {"H2 + O2 = Fe", {failure}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    BalancedFixture f(c.input);
    const std::string& pane = f.view.texts[ControlId::kText4];
    std::size_t at = 0;
    for (const std::string& line : c.lines_in_order) {
      const std::size_t found = pane.find(line, at);
      ASSERT_NE(found, std::string::npos) << line << " in\n" << pane;
      at = found + line.size();
    }
    EXPECT_FALSE(Contains(pane, "不是氧化还原反应") && c.bridges);
    EXPECT_EQ(f.view.bridges.empty(), !c.bridges);
    if (!c.bridges) {
      EXPECT_FALSE(Contains(pane, "转移电子"));
    }
    EXPECT_EQ(f.view.focus, ControlId::kText1);
    EXPECT_TRUE(f.view.AllEnabled());
  }
}

TEST(FormController, NewBalanceClearsThePaneAtOnce) {
  BalancedFixture f("KMnO4 = K2MnO4 + MnO2 + O2");
  ASSERT_FALSE(f.view.bridges.empty());
  f.view.texts[ControlId::kText1] = "NaOH + HCl = NaCl + H2O";
  f.form.Command1_Click();
  // Before the answer comes, nothing of the last equation is left in sight.
  EXPECT_EQ(f.view.texts[ControlId::kText4], "");
  EXPECT_EQ(f.view.bridges, "");
  ASSERT_TRUE(f.view.WaitAndPump(f.form));
  EXPECT_TRUE(Contains(f.view.texts[ControlId::kText4], "不是氧化还原反应"));
}

TEST(FormController, GivenAmountsAddWhatReactsOrWhyNot) {
  struct Case {
    const char* equation;
    const char* given;
    std::vector<std::string> expected;  // in the pane, after the details
    bool error;
  };
  const Case cases[] = {
      {"KMnO4 =△= K2MnO4 + MnO2 + O2↑",
       "KMnO4 31.6g",
       {"参加反应和生成的物质的量与质量：", "KMnO4：0.2 mol，31.6 g", "O2：0.1 mol，3.2 g"},
       false},
      {"KMnO4 =△= K2MnO4 + MnO2 + O2↑", "KMnO4＝31.6 g", {"O2：0.1 mol，3.2 g"}, false},
      {"H2 + O2 = H2O", "H2 4g\u3000O2 40g", {"H2 先反应完", "剩余 O2：8 g"}, false},
      {"H2 + O2 = H2O", "H2 4g，O2 40g", {"H2 先反应完", "剩余 O2：8 g"}, false},
      {"H2 + O2 = H2O", "Cu 1g", {"Cu：方程式中没有 Cu"}, true},
      {"H2 + O2 = H2O", "H2", {"H2：应写作 物质=数量，如 KMnO4=31.6g"}, true},
      {"H2 + O2 = H2O", "H2 0g", {"H2 0g：数量必须大于 0"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.equation) + " / " + c.given);
    BalancedFixture f(c.equation);
    const std::string details = f.view.texts[ControlId::kText4];
    const std::string drawn = f.view.bridges;
    f.GiveAmounts(c.given);
    const std::string& pane = f.view.texts[ControlId::kText4];
    // The details stay where they were; the amounts or the error follow them.
    EXPECT_EQ(pane.substr(0, details.size()), details);
    for (const std::string& line : c.expected) {
      EXPECT_NE(pane.find(line, details.size()), std::string::npos) << line << " in\n" << pane;
    }
    EXPECT_EQ(Contains(pane, "参加反应"), !c.error);
    // The pane scrolls to the line that begins the amounts or says why not.
    std::istringstream lines(pane);
    std::string line;
    for (std::size_t i = 0; i <= f.view.details_line; ++i) std::getline(lines, line);
    EXPECT_TRUE(Contains(line, c.error ? c.expected.front() : "参加反应和生成的物质的量与质量："))
        << line;
    EXPECT_EQ(f.view.bridges, drawn);
    // The equation's boxes are as the balance left them.
    EXPECT_EQ(f.view.texts[ControlId::kText3].empty(), false);
    EXPECT_EQ(f.view.focus, ControlId::kText5);
    EXPECT_TRUE(f.view.AllEnabled());
    EXPECT_FALSE(f.form.Balancing());
  }
}

TEST(FormController, AmountsNeedABalancedAnswer) {
  for (const char* before : {"", "H2 + O2 = Fe"}) {
    SCOPED_TRACE(before);
    Fixture f;
    FakeSettings settings;
    f.form.LoadSettings(settings, true);
    if (*before) {
      f.view.texts[ControlId::kText1] = before;
      f.form.Command1_Click();
      ASSERT_TRUE(f.view.WaitAndPump(f.form));
    }
    f.view.texts[ControlId::kText5] = "H2 4g";
    int key = kEnterKey;
    f.form.Text5_KeyPress(key);
    ASSERT_TRUE(f.view.WaitAndPump(f.form));
    EXPECT_EQ(f.view.texts[ControlId::kText4], WindowText(Message::kWindowGivenNeedsAnswer));
  }
}

TEST(FormController, HintsAndPaneFollowTheMode) {
  Fixture f;
  FakeSettings settings;
  f.form.LoadSettings(settings, false);
  const ControlId hints[] = {ControlId::kLabel3, ControlId::kLabel4, ControlId::kLabel6};
  const Message chemistry_hints[] = {Message::kWindowChemistryHintConditions,
                                     Message::kWindowChemistryHintCase,
                                     Message::kWindowChemistryHintSubscripts};
  for (const bool on : {true, false, true, false}) {
    SCOPED_TRACE(on);
    f.form.SetChemistryMode(on);
    EXPECT_EQ(f.view.pane_shown, on);
    for (std::size_t i = 0; i < std::size(hints); ++i) {
      EXPECT_EQ(f.view.texts[hints[i]],
                on ? WindowText(chemistry_hints[i]) : Caption(TableEntry(hints[i])));
    }
  }
}

}  // namespace
}  // namespace quorvel::form
