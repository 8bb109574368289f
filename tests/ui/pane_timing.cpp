// How long the window takes from Enter in the equation box to the chemistry
// mode's pane drawn with its 双线桥, on whatever display it is given:
//   xvfb-run -a quorvel_pane_timing ["EQUATION"] [ROUNDS]
// Prints one line per round and the median, in milliseconds. A measurement,
// not a test: it asserts nothing about the figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bridge_view.h"
#include "form1.h"
#include "text_box.h"

namespace {

// Notes the first paint of the drawing once it shows a picture.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(quorvel::ui::BridgeView& view) : view_(view) {
    view.installEventFilter(this);
  }
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && view_.Shown()) painted = true;
    return QObject::eventFilter(watched, event);
  }

 private:
  quorvel::ui::BridgeView& view_;
};

}  // namespace

int main(int argc, char** argv) {
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const QString equation = arguments.value(1, QStringLiteral("KMnO4 =△= K2MnO4 + MnO2 + O2↑"));
  const int rounds = std::max(1, arguments.value(2, QStringLiteral("5")).toInt());

  quorvel::ui::Form1 form;
  form.LoadSettings(true);
  form.ShowCentred();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  auto* text1 = form.findChild<quorvel::ui::TextBox*>(QStringLiteral("Text1"));
  auto* view = form.findChild<quorvel::ui::BridgeView*>(QStringLiteral("Picture1"));
  auto* pane = form.findChild<QPlainTextEdit*>(QStringLiteral("Text4"));
  std::vector<qint64> times;
  for (int round = 0; round < rounds; ++round) {
    text1->setText(equation);
    text1->setFocus();
    PaintWatch watch(*view);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(text1, Qt::Key_Return);
    while (!(watch.painted && !pane->toPlainText().isEmpty()) && clock.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    times.push_back(clock.elapsed());
    std::printf("round %d: %lld ms%s\n", round + 1, static_cast<long long>(times.back()),
                watch.painted ? "" : " (not drawn)");
    QTest::qWait(200);
  }
  std::sort(times.begin(), times.end());
  std::printf("median: %lld ms\n", static_cast<long long>(times[times.size() / 2]));
  return 0;
}
