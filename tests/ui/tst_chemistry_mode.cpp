// The chemistry mode as the user meets it in Qt: the checkable item of
// Text1's right-click menu, the title, the choice kept in the user's
// settings file (and what a damaged or unwritable one does), and balances
// answered from the worker thread.
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "form/texts.h"
#include "form1.h"
#include "text_box.h"
#include "ui_test_support.h"

using quorvel::ui::Form1;
using quorvel::ui::TextBox;

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

const QString kPlainTitle = Utf8(quorvel::form::WindowText(quorvel::form::Message::kWindowCaption));
const QString kChemistryTitle =
    Utf8(quorvel::form::WindowText(quorvel::form::Message::kWindowChemistryCaption));

}  // namespace

class ChemistryModeTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> config_;
  std::unique_ptr<Form1> form_;

  QString SettingsPath() const { return config_->path() + QStringLiteral("/quorvel/quorvel.conf"); }
  TextBox* Box(const char* name) const { return form_->findChild<TextBox*>(Utf8(name)); }

  void Open(bool chemistry_on_command_line) {
    form_ = std::make_unique<Form1>();
    form_->LoadSettings(chemistry_on_command_line);
    form_->ShowCentred();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  // Text1's right-click menu as a right click opens it; the caller closes it.
  QMenu* OpenMenu() {
    TextBox* text1 = Box("Text1");
    const QPoint at(10, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, text1->mapToGlobal(at));
    QApplication::sendEvent(text1, &event);
    QMenu* menu = nullptr;
    [&] { QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))); }();
    return menu;
  }

  // Clicks the mode item; returns whether it was checked before.
  bool ClickModeItem() {
    QMenu* menu = OpenMenu();
    if (!menu) return false;
    QAction* item = menu->findChild<QAction*>(QStringLiteral("chemistryMode"));
    if (!item) item = menu->actions().value(menu->actions().size() - 1);
    const bool was = item->isChecked();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    return was;
  }

 private slots:
  void init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
  }
  void cleanup() {
    form_.reset();
    config_.reset();
    QUORVEL_VERIFY_NO_MODAL_DIALOG();
  }

  void menu_item_follows_the_edit_items() {
    Open(false);
    QMenu* menu = OpenMenu();
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QVERIFY(actions.size() >= 3);
    QAction* item = actions.last();
    QCOMPARE(item->text(),
             Utf8(quorvel::form::WindowText(quorvel::form::Message::kWindowChemistryMenuItem)));
    QVERIFY(item->isCheckable());
    QVERIFY(!item->isChecked());
    QVERIFY(actions[actions.size() - 2]->isSeparator());
    // The edit items come first, as the box's own menu has them.
    const std::unique_ptr<QMenu> standard(Box("Text1")->createStandardContextMenu());
    QCOMPARE(actions.size(), standard->actions().size() + 2);
    menu->close();
    // Text3's menu is only the edit items.
    const std::unique_ptr<QMenu> text3(Box("Text3")->createStandardContextMenu());
    for (const QAction* action : text3->actions()) QVERIFY(!action->isCheckable());
  }

  void setting_read_and_written_data() {
    QTest::addColumn<QByteArray>("file");  // before the start; null: no file
    QTest::addColumn<bool>("unwritable");  // the settings folder cannot be made
    QTest::addColumn<bool>("commandLine");
    QTest::addColumn<bool>("startsOn");
    QTest::addColumn<QString>("storedAfterSwitch");  // null: nothing could be stored

    QTest::newRow("nothing stored") << QByteArray() << false << false << false << "true";
    QTest::newRow("stored on") << QByteArray("[General]\nchemistry=true\n") << false << false
                               << true << "false";
    QTest::newRow("stored off") << QByteArray("[General]\nchemistry=false\n") << false << false
                                << false << "true";
    QTest::newRow("a value that means nothing")
        << QByteArray("[General]\nchemistry=maybe\n") << false << false << false << "true";
    QTest::newRow("command line over stored off")
        << QByteArray("[General]\nchemistry=false\n") << false << true << true << "false";
    QTest::newRow("folder cannot be made") << QByteArray() << true << false << false << QString();
  }
  void setting_read_and_written() {
    QFETCH(QByteArray, file);
    QFETCH(bool, unwritable);
    QFETCH(bool, commandLine);
    QFETCH(bool, startsOn);
    QFETCH(QString, storedAfterSwitch);
    if (!file.isNull()) {
      QVERIFY(QDir(config_->path()).mkpath(QStringLiteral("quorvel")));
      QFile out(SettingsPath());
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(file);
    }
    if (unwritable) {
      // A file where the folder should be.
      QFile blocker(config_->path() + QStringLiteral("/quorvel"));
      QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    Open(commandLine);
    QCOMPARE(form_->windowTitle(), startsOn ? kChemistryTitle : kPlainTitle);
    QCOMPARE(form_->Controller().ChemistryMode(), startsOn);
    // Reading, and the command line's switch for the run, store nothing.
    if (file.isNull() && !unwritable) QVERIFY(!QFile::exists(SettingsPath()));

    QCOMPARE(ClickModeItem(), startsOn);
    QTRY_COMPARE(form_->windowTitle(), startsOn ? kPlainTitle : kChemistryTitle);
    QCOMPARE(form_->Controller().ChemistryMode(), !startsOn);
    const QSettings stored(SettingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("chemistry")).toString(), storedAfterSwitch);
  }

  void damaged_file_means_default() {
    QVERIFY(QDir(config_->path()).mkpath(QStringLiteral("quorvel")));
    QFile out(SettingsPath());
    QVERIFY(out.open(QIODevice::WriteOnly));
    const char garbage[] = "\x00\xff\xfe[[chem\x01istry\n=\n\x80\x80";
    out.write(garbage, sizeof garbage);
    out.close();
    Open(false);
    QCOMPARE(form_->windowTitle(), kPlainTitle);
    ClickModeItem();
    QTRY_COMPARE(form_->windowTitle(), kChemistryTitle);
  }

  void balances_with_the_chemistry_library_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text2");
    QTest::newRow("glucose by Enter")
        << "C6H12O6 + O2 = CO2 + H2O" << true << "C6H12O6 + 6O2 = 6CO2 + 6H2O"
        << "6    0    -1    0    \r\n12    0    0    -2    \r\n6    2    -2    -1    \r\n";
    QTest::newRow("ions by click") << "Fe^3+ + e- = Fe^2+" << false << "Fe^3+ + e- = Fe^2+"
                                   << "1    0    -1    \r\n3    -1    -2    \r\n";
  }
  void balances_with_the_chemistry_library() {
    QFETCH(QString, input);
    QFETCH(bool, byEnter);
    QFETCH(QString, text3);
    QFETCH(QString, text2);
    Open(true);
    TextBox* text1 = Box("Text1");
    text1->setText(input);
    text1->setFocus();
    if (byEnter) {
      QTest::keyClick(text1, Qt::Key_Return);
    } else {
      QTest::mouseClick(form_->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    }
    QTRY_COMPARE(Box("Text3")->text(), text3);
    QTRY_VERIFY(text1->isEnabled());
    QCOMPARE(text1->text(), input);
    QCOMPARE(Box("Text2")->text(), text2);
    // The whole answer can be selected and copied.
    Box("Text3")->selectAll();
    QCOMPARE(Box("Text3")->selectedText(), text3);
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(ChemistryModeTest)
#include "tst_chemistry_mode.moc"
