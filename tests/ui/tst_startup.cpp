// Start-up and shutdown across real processes: the second instance refused
// with its message box, the toolkit's texts in Chinese, a start after a
// normal end or a kill, a close in the middle of a search, a display found
// by connecting to it, and a start without any display.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "form/texts.h"
#include "ui_test_support.h"

namespace {

const QString kProbe = QStringLiteral(QUORVEL_PROBE_PATH);
const QString kProgram = QStringLiteral(QUORVEL_PROGRAM_PATH);
const QString kStatus =
    QString::fromStdString(quorvel::form::WindowText(quorvel::form::Message::kWindowBalancing));
const QString kRefusal =
    QStringLiteral("message-box\t") +
    QString::fromStdString(
        quorvel::form::WindowText(quorvel::form::Message::kWindowAlreadyRunningTitle)) +
    QLatin1Char('\t') +
    QString::fromStdString(
        quorvel::form::WindowText(quorvel::form::Message::kWindowAlreadyRunningText)) +
    QStringLiteral("\tcritical\tok-only\t") +
    QString::fromStdString(quorvel::form::WindowText(quorvel::form::Message::kWindowOkButton));
const QString kShown = QStringLiteral("window-shown\tvisible\tText1");

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  // Each test gets its own per-user directories, so an instance of the probe
  // left by another run cannot answer for this one, and nothing lands in the
  // real home.
  std::unique_ptr<QTemporaryDir> runtime_;
  std::unique_ptr<QTemporaryDir> home_;
  std::vector<std::unique_ptr<QProcess>> processes_;
  QString program_ = kProbe;

  // `changes` are NAME=value to set a variable and NAME to remove one.
  QProcess& Start(const QStringList& arguments, const QStringList& changes = {}) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_->path());
    environment.insert(QStringLiteral("HOME"), home_->path());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_->filePath(QStringLiteral("cache")));
    // Where the toolkit puts its runtime folder when a row takes
    // XDG_RUNTIME_DIR away: not the machine's /tmp, where it would stay.
    environment.insert(QStringLiteral("TMPDIR"), home_->filePath(QStringLiteral("tmp")));
    for (const QString& change : changes) {
      const QString name = change.section(QLatin1Char('='), 0, 0);
      if (change.contains(QLatin1Char('='))) {
        environment.insert(name, change.section(QLatin1Char('='), 1));
      } else {
        environment.remove(name);
      }
    }
    process->setProcessEnvironment(environment);
    process->start(program_, arguments);
    processes_.push_back(std::move(process));
    return *processes_.back();
  }

  // The folder of the lock file `process` holds open, wherever it chose it;
  // empty when it holds none.
  static QString LockFolderOf(const QProcess& process) {
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(process.processId()));
    for (const QFileInfo& descriptor : descriptors.entryInfoList(QDir::Files | QDir::System)) {
      const QFileInfo target(descriptor.symLinkTarget());
      if (target.fileName().startsWith(QLatin1String("quorvel-")) &&
          target.fileName().endsWith(QLatin1String(".lock"))) {
        return target.absolutePath();
      }
    }
    return QString();
  }

  // A copy of the probe that finds the toolkit's plugins but no translations.
  QString ProbeWithoutTranslations() {
    const QString directory = home_->filePath(QStringLiteral("bin"));
    const QString copy = directory + QStringLiteral("/probe");
    if (!QDir().mkpath(directory + QStringLiteral("/no-translations")) ||
        !QFile::copy(kProbe, copy)) {
      return QString();
    }
    QFile settings(directory + QStringLiteral("/qt.conf"));
    if (!settings.open(QIODevice::WriteOnly)) return QString();
    settings.write("[Paths]\nPlugins=" + QLibraryInfo::path(QLibraryInfo::PluginsPath).toUtf8() +
                   "\nTranslations=no-translations\n");
    return copy;
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
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime_->isValid() && home_->isValid());
    QVERIFY(QDir(home_->path()).mkdir(QStringLiteral("tmp")));
    program_ = kProbe;
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
    home_.reset();
    QUORVEL_VERIFY_NO_MODAL_DIALOG();
  }

  // The box is Chinese, its button too, with or without the toolkit's own
  // Chinese texts.
  void secondInstanceRefused_data() {
    QTest::addColumn<bool>("translations");
    QTest::newRow("toolkit translations installed") << true;
    QTest::newRow("toolkit translations missing") << false;
  }
  void secondInstanceRefused() {
    QFETCH(bool, translations);
    if (!translations) {
      program_ = ProbeWithoutTranslations();
      QVERIFY(!program_.isEmpty());
    }
    QStringList first_lines;
    QProcess& first = Start({QStringLiteral("idle")});
    QVERIFY2(WaitForLine(first, kShown, first_lines), qPrintable(first_lines.join('|')));

    QProcess& second = Start({QStringLiteral("idle")});
    const QStringList second_lines = FinishAndRead(second);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);  // refused: a launcher must see it did not run
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

  // What a right click on the boxes offers, in the toolkit's own Chinese.
  void contextMenusAreChinese() {
    QProcess& process = Start({QStringLiteral("context-menus")});
    const QStringList lines = FinishAndRead(process);
    QCOMPARE(process.state(), QProcess::NotRunning);
    const QStringList menus = lines.filter(QRegularExpression(QStringLiteral("^context-menu\t")));
    QCOMPARE(menus, (QStringList{
                        QStringLiteral("context-menu\tText1\t撤消(&U)\t重做(&R)\t剪切(&T)\t复制(&C)"
                                       "\t粘贴(&P)\t删除\t全选"),
                        QStringLiteral("context-menu\tText3\t复制(&C)\t全选"),
                    }));
  }

  // A lock folder that someone else owns or may write to is never used: the
  // start goes ahead with the next private folder, or without a lock when
  // there is none, instead of obeying a lock anyone could have planted.
  void lockFolderOthersControl_data() {
    QTest::addColumn<bool>("runtimeFolder");  // XDG_RUNTIME_DIR set
    QTest::addColumn<bool>("cacheFolder");    // the user's cache usable
    QTest::addColumn<bool>("giveAway");       // the lock's folder changes owner
    QTest::addColumn<int>("mode");            // or gets this mode
    QTest::addColumn<bool>("laterRefused");   // a lock is still held after
    QTest::newRow("runtime folder owned by another user") << true << true << true << 0 << true;
    QTest::newRow("runtime folder writable by all") << true << true << false << 0777 << true;
    QTest::newRow("cache folder owned by another user") << false << true << true << 0 << false;
    QTest::newRow("cache folder writable by its group") << false << true << false << 0770 << false;
    QTest::newRow("no folder for a lock") << false << false << false << 0 << false;
  }
  void lockFolderOthersControl() {
    QFETCH(bool, runtimeFolder);
    QFETCH(bool, cacheFolder);
    QFETCH(bool, giveAway);
    QFETCH(int, mode);
    QFETCH(bool, laterRefused);
    if (giveAway && ::geteuid() != 0) QSKIP("giving a folder to another user needs root");
    QStringList changes;
    if (!runtimeFolder) changes << QStringLiteral("XDG_RUNTIME_DIR");
    if (!cacheFolder) changes << QStringLiteral("XDG_CACHE_HOME=/proc/quorvel-no-cache");

    QStringList lines;
    QProcess& first = Start({QStringLiteral("idle")}, changes);
    QVERIFY2(WaitForLine(first, kShown, lines), qPrintable(lines.join('|')));
    const QString held = LockFolderOf(first);
    QCOMPARE(held.isEmpty(), !runtimeFolder && !cacheFolder);
    const QByteArray folder = QFile::encodeName(held);
    if (giveAway) QCOMPARE(::chown(folder.constData(), 65534, 65534), 0);
    if (mode != 0) QCOMPARE(::chmod(folder.constData(), static_cast<mode_t>(mode)), 0);

    lines.clear();
    QProcess& second = Start({QStringLiteral("idle")}, changes);
    QVERIFY2(WaitForLine(second, kShown, lines), qPrintable(lines.join('|')));
    QProcess& third = Start({QStringLiteral("idle")}, changes);
    if (laterRefused) {
      QCOMPARE(FinishAndRead(third), QStringList{kRefusal});
    } else {
      lines.clear();
      QVERIFY2(WaitForLine(third, kShown, lines), qPrintable(lines.join('|')));
    }
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

  // An X server that listens only on its abstract socket, as in a container
  // without /tmp/.X11-unix: there is no socket file, and the window opens.
  void displayWithoutSocketFile() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) QSKIP("Xvfb is not installed");
    auto& server = *processes_.emplace_back(std::make_unique<QProcess>());
    server.start(xvfb,
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"), QStringLiteral("-nolisten"), QStringLiteral("unix")});
    while (!server.canReadLine() && server.waitForReadyRead(10000)) {
    }
    const QString number = QString::fromLatin1(server.readLine()).trimmed();
    QVERIFY2(!number.isEmpty(), qPrintable(QString::fromLocal8Bit(server.readAllStandardError())));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number));

    QStringList lines;
    QProcess& program = Start({QStringLiteral("idle")},
                              {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("WAYLAND_DISPLAY"),
                               QStringLiteral("DISPLAY=:") + number});
    QVERIFY2(WaitForLine(program, kShown, lines),
             qPrintable(lines.join('|') + QString::fromLocal8Bit(program.readAllStandardError())));
    EndNormally(program);
    server.terminate();
    QVERIFY(server.waitForFinished(10000));
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
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM"}) {
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
