// The window's helpers on their own: the display check, the text conversion
// between the boxes and the engine, and the single-instance lock.
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <set>

#include "display_check.h"
#include "qt_text.h"
#include "single_instance.h"
#include "ui_test_support.h"

using quorvel::ui::DisplayAvailable;
using quorvel::ui::DisplayProbe;
using quorvel::ui::SingleInstanceLock;

class UiHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QUORVEL_VERIFY_NO_MODAL_DIALOG(); }

  void displayCheck_data() {
    QTest::addColumn<QStringList>("variables");
    // "X <display>" and "Wayland <socket path>" of the servers that answer.
    QTest::addColumn<QStringList>("answering");
    QTest::addColumn<bool>("available");
    const QStringList none;
    const QString runtime = QStringLiteral("XDG_RUNTIME_DIR=/run/user/1");
    const QString wayland0 = QStringLiteral("Wayland /run/user/1/wayland-0");
    QTest::newRow("nothing") << none << none << false;
    QTest::newRow("X server answers") << QStringList{"DISPLAY=:0"} << QStringList{"X :0"} << true;
    QTest::newRow("X server silent") << QStringList{"DISPLAY=:0"} << none << false;
    QTest::newRow("remote X answers")
        << QStringList{"DISPLAY=host:10.0"} << QStringList{"X host:10.0"} << true;
    QTest::newRow("Wayland in runtime dir")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", runtime} << QStringList{wayland0} << true;
    QTest::newRow("Wayland by its default name")
        << QStringList{runtime} << QStringList{wayland0} << true;
    QTest::newRow("Wayland socket gone")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", runtime} << none << false;
    QTest::newRow("Wayland name without runtime dir")
        << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QStringList{"Wayland wayland-0"} << false;
    QTest::newRow("Wayland socket handed over") << QStringList{"WAYLAND_SOCKET=7"} << none << true;
    QTest::newRow("dead X but live Wayland")
        << QStringList{"DISPLAY=:3", "WAYLAND_DISPLAY=/w"} << QStringList{"Wayland /w"} << true;
    QTest::newRow("offscreen chosen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << none << true;
    QTest::newRow("xcb chosen, only Wayland")
        << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=:0", "WAYLAND_DISPLAY=/w"}
        << QStringList{"Wayland /w"} << false;
    QTest::newRow("xcb with options")
        << QStringList{"QT_QPA_PLATFORM=xcb:nograb", "DISPLAY=:0"} << QStringList{"X :0"} << true;
    QTest::newRow("list, the second answers")
        << QStringList{"QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:0", runtime} << QStringList{"X :0"}
        << true;
    QTest::newRow("list, none answers")
        << QStringList{"QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:0", runtime} << none << false;
  }
  void displayCheck() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, answering);
    QFETCH(bool, available);
    std::map<std::string, std::string> environment;
    for (const QString& v : variables) {
      environment[v.section('=', 0, 0).toStdString()] = v.section('=', 1).toStdString();
    }
    std::set<std::string> servers;
    for (const QString& address : answering) servers.insert(address.toStdString());
    const auto answers = [&](const char* kind) {
      return [&servers, kind](const std::string& address) {
        return servers.count(kind + address) > 0;
      };
    };
    const DisplayProbe probe{[&](const char* name) {
                               const auto found = environment.find(name);
                               return found == environment.end() ? std::string() : found->second;
                             },
                             answers("X "), answers("Wayland ")};
    QCOMPARE(DisplayAvailable(probe), available);
  }

  void textRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("ascii") << QStringLiteral("H2+O2=H2O");
    QTest::newRow("chinese and full-width") << QStringLiteral("矩阵（Fe＋O2）");
    QTest::newRow("outside the basic plane") << QStringLiteral("H2𝐎2=𠀀");
    QTest::newRow("CR LF kept") << QStringLiteral("2    0    \r\n-1    \r\n");
  }
  void textRoundTrip() {
    QFETCH(QString, text);
    const quorvel::Text engine_text = quorvel::ui::FromQString(text);
    QCOMPARE(quorvel::ui::ToQString(engine_text), text);
    // One engine character per code point, not per UTF-16 unit.
    QCOMPARE(static_cast<qsizetype>(engine_text.size()), text.toUcs4().size());
  }

  // Half a surrogate pair is no character: the replacement character stands
  // for it either way.
  void textHalfPairs_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("high alone at the end") << QString::fromUtf16(u"H2\xD835");
    QTest::newRow("low alone at the start") << QString::fromUtf16(u"\xDC0EO2");
    QTest::newRow("two highs, then a pair") << QString::fromUtf16(u"\xD835\xD835\xDC0E");
  }
  void textHalfPairs() {
    QFETCH(QString, text);
    const quorvel::Text engine_text = quorvel::ui::FromQString(text);
    const QList<uint> expected = text.toUcs4();
    QVERIFY(engine_text == quorvel::Text(expected.begin(), expected.end()));
  }
  void engineNonCharactersShownReplaced() {
    const quorvel::Text invalid{U'H', static_cast<char32_t>(0xD835),
                                static_cast<char32_t>(0x110000)};
    QCOMPARE(quorvel::ui::ToQString(invalid), QStringLiteral("H\uFFFD\uFFFD"));
  }

  void lock_data() {
    QTest::addColumn<QString>("firstProgram");
    QTest::addColumn<QString>("secondProgram");
    QTest::addColumn<bool>("firstStillHeld");
    QTest::addColumn<bool>("secondAcquires");
    QTest::newRow("same program, first running") << "/opt/a/quorvel"
                                                 << "/opt/a/quorvel" << true << false;
    QTest::newRow("same program, first ended") << "/opt/a/quorvel"
                                               << "/opt/a/quorvel" << false << true;
    QTest::newRow("another copy elsewhere") << "/opt/a/quorvel"
                                            << "/opt/b/quorvel" << true << true;
  }
  void lock() {
    QFETCH(QString, firstProgram);
    QFETCH(QString, secondProgram);
    QFETCH(bool, firstStillHeld);
    QFETCH(bool, secondAcquires);
    QTemporaryDir directory;
    auto first = std::make_unique<SingleInstanceLock>(directory.path(), firstProgram);
    QVERIFY(first->TryAcquire());
    if (!firstStillHeld) first.reset();
    SingleInstanceLock second(directory.path(), secondProgram);
    QCOMPARE(second.TryAcquire(), secondAcquires);
  }

  void staleLockTakenOver() {
    QTemporaryDir directory;
    SingleInstanceLock lock(directory.path(), QStringLiteral("/opt/a/quorvel"));
    // What a killed instance leaves: its lock naming a process that is gone.
    QFile left(lock.LockFilePath());
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write("2147483000\nquorvel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    left.close();
    QVERIFY(lock.TryAcquire());
  }

  void unwritableDirectoryDoesNotRefuse() {
    SingleInstanceLock lock(QStringLiteral("/proc/no-such-directory"),
                            QStringLiteral("/opt/a/quorvel"));
    QVERIFY(lock.TryAcquire());
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(UiHelpersTest)
#include "tst_ui_helpers.moc"
