// Start-up and shutdown across real processes: the second instance refused
// with its message box, a start after a normal end or a kill, a close in the
// middle of a search, and a start without any display.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "form/texts.h"
#include "ui_test_support.h"

namespace {

const QString kProbe = QStringLiteral(QUORVEL_PROBE_PATH);
const QString kProgram = QStringLiteral(QUORVEL_PROGRAM_PATH);
const QString kStatus = QString::fromUtf8(quorvel::form::kStatusText);
const QString kRefusal = QStringLiteral("message-box\t") +
                         QString::fromUtf8(quorvel::form::kAlreadyRunningTitle) +
                         QLatin1Char('\t') + QString::fromUtf8(quorvel::form::kAlreadyRunningText) +
                         QStringLiteral("\tcritical\tok-only");
const QString kShown = QStringLiteral("window-shown\tvisible\tText1");

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  // Each test gets its own per-user directory, so an instance of the probe
  // left by another run cannot answer for this one.
  std::unique_ptr<QTemporaryDir> runtime_;
  std::vector<std::unique_ptr<QProcess>> processes_;

  QProcess& Start(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_->path());
    process->setProcessEnvironment(environment);
    process->start(kProbe, arguments);
    processes_.push_back(std::move(process));
    return *processes_.back();
  }

  // Reads the probe's lines until one equals `line` or the process ends.
  static bool WaitForLine(QProcess& process, const QString& line, QStringList& seen) {
    for (int waited = 0; waited < 30000; waited += 50) {
      while (process.canReadLine()) {
        seen << QString::fromUtf8(process.readLine()).chopped(1);
        if (seen.last() == line) return true;
      }
      if (process.state() == QProcess::NotRunning && !process.canReadLine()) return false;
      process.waitForReadyRead(50);
    }
    return false;
  }

  static QStringList FinishAndRead(QProcess& process) {
    process.waitForFinished(30000);
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
  }

  void EndNormally(QProcess& process) {
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
  }

 private slots:
  void init() {
    runtime_ = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime_->isValid());
  }
  void cleanup() {
    for (auto& process : processes_) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(10000);
      }
    }
    processes_.clear();
    runtime_.reset();
    QUORVEL_VERIFY_NO_MODAL_DIALOG();
  }

  void secondInstanceRefused() {
    QStringList first_lines;
    QProcess& first = Start({QStringLiteral("idle")});
    QVERIFY2(WaitForLine(first, kShown, first_lines), qPrintable(first_lines.join('|')));

    QProcess& second = Start({QStringLiteral("idle")});
    const QStringList second_lines = FinishAndRead(second);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second_lines, QStringList{kRefusal});

    // The first instance carries on, and a start after it ended is welcome.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(!first.canReadLine());
    EndNormally(first);
    QStringList third_lines;
    QProcess& third = Start({QStringLiteral("idle")});
    QVERIFY2(WaitForLine(third, kShown, third_lines), qPrintable(third_lines.join('|')));
    QVERIFY(!third_lines.contains(kRefusal));
  }

  void startAfterKill() {
    QStringList lines;
    QProcess& first = Start({QStringLiteral("idle")});
    QVERIFY(WaitForLine(first, kShown, lines));
    first.kill();  // SIGKILL: nothing of the program runs any more
    QVERIFY(first.waitForFinished(10000));
    QVERIFY2(!QDir(runtime_->path()).entryList({QStringLiteral("quorvel-*.lock")}).isEmpty(),
             "the killed instance should have left its lock behind");

    lines.clear();
    QProcess& next = Start({QStringLiteral("idle")});
    QVERIFY2(WaitForLine(next, kShown, lines), qPrintable(lines.join('|')));
    QVERIFY(!lines.contains(kRefusal));
  }

  void closeDuringSearchEndsProcess_data() {
    QTest::addColumn<QString>("when");
    QTest::newRow("during normalisation") << "first-yield";
    QTest::newRow("in the search") << "matrix-written";
  }
  void closeDuringSearchEndsProcess() {
    QFETCH(QString, when);
    QProcess& process = Start({QStringLiteral("balance-then-close"), when,
                               QStringLiteral("Fe+H2+O2+N2+Cl2+F2+Br2+S=He")});
    const QStringList lines = FinishAndRead(process);
    QCOMPARE(process.state(), QProcess::NotRunning);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(lines, (QStringList{kShown, QStringLiteral("quit\t") + kStatus}));
  }

  void noDisplay_data() {
    QTest::addColumn<QStringList>("variables");
    QTest::newRow("nothing set") << QStringList{};
    QTest::newRow("X display without a server") << QStringList{QStringLiteral("DISPLAY=:4242")};
    QTest::newRow("X plugin chosen, no display")
        << QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb")};
  }
  void noDisplay() {
    QFETCH(QStringList, variables);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(QString::fromLatin1(name));
    }
    for (const QString& variable : variables) {
      environment.insert(variable.section(QLatin1Char('='), 0, 0),
                         variable.section(QLatin1Char('='), 1));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(kProgram, {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString error = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY2(error.contains(QLatin1String("quorvel-cli")), qPrintable(error));
    QVERIFY(program.readAllStandardOutput().isEmpty());
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
