// How long the window goes without handling its events while it takes a
// pasted megabyte and balances it: the paste, and the longest stretch
// between two turns of its event loop during the balance. The window should
// repaint at least every 100 ms; in the chemistry mode, whose balance runs
// on a thread of its own, answer within 200 ms throughout, and the time
// from Enter to the answer is reported too. Run on the offscreen platform,
// which paints into memory as a screen would. And what a screen reader's
// questions about a box holding a megabyte cost: each should cost what it
// costs for a formula.

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "form1.h"
#include "heap.h"
#include "text_box.h"

namespace {

constexpr int kMegabyte = 1000 * 1000;

QString Filled(const QString& piece, const QString& around) {
  return piece.repeated(kMegabyte / static_cast<int>(piece.size())) + around;
}

enum class Mode { kDefault, kChemistry };

void PasteAndBalance(benchmark::State& state, const QString& pasted, Mode mode) {
  quorvel::ui::Form1 form;
  if (mode == Mode::kChemistry) form.LoadSettings(true);
  form.ShowCentred();
  static_cast<void>(QTest::qWaitForWindowExposed(&form));
  auto* text1 = form.findChild<quorvel::ui::TextBox*>(QStringLiteral("Text1"));
  qint64 longest_paste = 0;
  qint64 longest_gap = 0;
  qint64 longest_answer = 0;
  for (auto _ : state) {
    text1->setText({});
    text1->setFocus();
    QApplication::clipboard()->setText(pasted);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    longest_paste = std::max(longest_paste, clock.nsecsElapsed());

    // A timer due at every turn of the event loop, which the balance's
    // yields run.
    qint64 last_turn = 0;
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout, [&] {
      longest_gap = std::max(longest_gap, clock.nsecsElapsed() - last_turn);
      last_turn = clock.nsecsElapsed();
    });
    turn.start();
    clock.restart();
    QTest::keyClick(text1, Qt::Key_Return);
    // The chemistry mode's answer comes back through the event loop.
    while (form.Controller().Balancing()) QCoreApplication::processEvents();
    longest_answer = std::max(longest_answer, clock.nsecsElapsed());
    longest_gap = std::max(longest_gap, clock.nsecsElapsed() - last_turn);
  }
  state.counters["paste_ms"] = static_cast<double>(longest_paste) / 1e6;
  state.counters["longest_gap_ms"] = static_cast<double>(longest_gap) / 1e6;
  state.counters["answer_ms"] = static_cast<double>(longest_answer) / 1e6;
}

// One question a screen reader asks of a box: its text, the word at the
// caret, where the character before the caret is drawn, the character at a
// point, with the caret at the end of the text.
void AskScreenReaderQuestion(benchmark::State& state, const QString& text, int question) {
  QWidget window;
  window.resize(543, 160);
  auto* box = new quorvel::ui::TextBox(&window);
  box->setGeometry(64, 56, 393, 25);
  window.show();
  static_cast<void>(QTest::qWaitForWindowExposed(&window));
  box->setText(text);
  box->setCursorPosition(static_cast<int>(text.size()));
  QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(box)->textInterface();
  const int caret = reader->cursorPosition();
  const QPoint drawn = reader->characterRect(caret - 1).center();
  int start = 0;
  int end = 0;
  for (auto _ : state) {
    switch (question) {
      case 0:
        benchmark::DoNotOptimize(reader->text(0, reader->characterCount()));
        break;
      case 1:
        benchmark::DoNotOptimize(
            reader->textAtOffset(caret - 3, QAccessible::WordBoundary, &start, &end));
        break;
      case 2:
        benchmark::DoNotOptimize(reader->characterRect(caret - 1));
        break;
      default:
        benchmark::DoNotOptimize(reader->offsetAtPoint(drawn));
        break;
    }
  }
}

void RegisterScreenReaderQuestions(const char* text_name, const QString& text) {
  const char* questions[] = {"text", "word_at_caret", "character_place", "character_at_point"};
  for (int question = 0; question < 4; ++question) {
    const std::string name =
        std::string("BM_ScreenReader/") + text_name + "/" + questions[question];
    benchmark::RegisterBenchmark(name.c_str(), [text, question](benchmark::State& state) {
      AskScreenReaderQuestion(state, text, question);
    })->Unit(benchmark::kMicrosecond);
  }
}

void Register(const char* name, const QString& pasted, Mode mode = Mode::kDefault) {
  benchmark::RegisterBenchmark(
      name, [pasted, mode](benchmark::State& state) { PasteAndBalance(state, pasted, mode); })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // As the program starts.
  quorvel::ui::KeepFreedTextMemory();
  QApplication application(argc, argv);
  const QString water = QStringLiteral("H2 + O2 = H2O");
  Register("BM_PastedMegabyte/spaces_around", Filled(QStringLiteral(" "), water));
  Register("BM_PastedMegabyte/formula",
           Filled(QStringLiteral("C6H12O6+"), QStringLiteral("O2=CO2")));
  Register("BM_PastedMegabyte/hyphens", Filled(QStringLiteral("-"), water));
  Register("BM_PastedMegabyte/full_width",
           Filled(QStringLiteral("Ｈ２＋（Ｏ２）"), QStringLiteral("＝Ｈ２Ｏ")));
  Register("BM_PastedMegabyte/chinese_result", water + Filled(QStringLiteral("氢"), {}));
  // Tens of thousands of compounds: a matrix of millions of characters.
  Register("BM_PastedMegabyte/large_matrix",
           Filled(QStringLiteral("Al2（SO4）3 ＋ Ca(OH)2 - "), water));
  RegisterScreenReaderQuestions("formula", QStringLiteral("C6H12O6+O2=CO2+H2O"));
  RegisterScreenReaderQuestions("megabyte", Filled(QStringLiteral("C6H12O6+"), water));
  Register("BM_ChemistryMode/glucose", QStringLiteral("C6H12O6 + O2 = CO2 + H2O"),
           Mode::kChemistry);
  Register("BM_ChemistryMode/pasted_spaces_around", Filled(QStringLiteral(" "), water),
           Mode::kChemistry);
  Register("BM_ChemistryMode/pasted_formula",
           Filled(QStringLiteral("C6H12O6+"), QStringLiteral("O2=CO2")), Mode::kChemistry);
  Register("BM_ChemistryMode/pasted_chinese", water + Filled(QStringLiteral("氢"), {}),
           Mode::kChemistry);
  // The most species a reading takes, each of another element mix: the
  // largest matrix and elimination the mode meets.
  Register("BM_ChemistryMode/most_species",
           QStringLiteral("H2O + CO2 + NaCl + Fe2O3 + ").repeated(2499) +
               QStringLiteral("CH4 + NH3 = C2H6 + N2O"),
           Mode::kChemistry);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
