#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <limits>

#include "caption_label.h"
#include "fonts.h"
#include "qt_text.h"
#include "quorvel/cpu_usage.h"
#include "quorvel/pipeline.h"
#include "single_instance.h"

namespace quorvel::ui {
namespace {

constexpr int kClientWidth = 543;
constexpr int kClientHeight = 160;
constexpr int kTimerIntervalMs = 1000;
constexpr int kEnterKey = 13;

const char* const kStatusText = "正在配平中，需要的时间与计算机配置有关......";
const char* const kAlreadyRunningTitle = "初始化失败";
const char* const kAlreadyRunningText =
    "程序处于运行状态！不能多开本程序，请关闭或在任务管理器结束后再运行！";

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QLineEdit* MakeBox(const char* name, const QRect& geometry, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(geometry);
  // A pasted equation or a long matrix must never be cut short.
  box->setMaxLength(std::numeric_limits<int>::max());
  return box;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Quorvel1.2"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kTimerIntervalMs);
  connect(timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  timer1_->start();
  // A first, unshown sample: the first tick then reports the usage over its
  // own second instead of the average since the counters began.
  static_cast<void>(cpu::GetCpuUsage());
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  const QPoint kLabel3At(8, 0), kLabel4At(8, 16), kLabel6At(8, 32), kLabel1At(0, 56),
      kLabel2At(0, 104), kLabel5At(480, 112), kLabel7At(0, 136);

  // Created in tab-index order so that the focus chain follows it.
  text1_ = MakeBox("Text1", QRect(64, 56, 393, 25), this);
  text1_->setFont(FontFor(FontRole::kBox));
  text1_->installEventFilter(this);

  // The matrix box lies below the visible area; the keyboard never leads
  // there, so the focus cannot vanish into it.
  text2_ = MakeBox("Text2", QRect(416, 176, 113, 33), this);
  text2_->setText(QStringLiteral("矩阵"));
  text2_->setFocusPolicy(Qt::NoFocus);

  command1_ = new QPushButton(QStringLiteral("配平"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(456, 56, 81, 25);
  command1_->setFont(FontFor(FontRole::kButton));
  command1_->setAutoDefault(false);
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

  // Results can be selected and copied, not typed over.
  text3_ = MakeBox("Text3", QRect(64, 104, 393, 25), this);
  text3_->setFont(FontFor(FontRole::kBox));
  text3_->setReadOnly(true);

  setTabOrder(text1_, command1_);
  setTabOrder(command1_, text3_);

  const QFont hint = FontFor(FontRole::kHint);
  const QFont caption = FontFor(FontRole::kCaption);
  label3_ = new CaptionLabel(
      QStringLiteral(
          "为防止出错输入方程式最好略去一切反应条件、气体及沉淀符号，物态，反应物的量。"),
      hint, kLabel3At, this);
  label4_ = new CaptionLabel(
      QStringLiteral(
          "请注意元素的大小写，若大小写错误则不能识别。输入方程式的反应物及生成物系数一律不写！"),
      hint, kLabel4At, this);
  label6_ = new CaptionLabel(
      QStringLiteral(
          "输入反应物及生成物时无需写下标，直接写系数的数字即可。反应物和生成物连接请用等号。"),
      hint, kLabel6At, this);
  label1_ = new CaptionLabel(QStringLiteral("方程式："), caption, kLabel1At, this);
  label2_ = new CaptionLabel(QStringLiteral("结   果："), caption, kLabel2At, this);
  label5_ = new CaptionLabel(QStringLiteral("Dravik产品"), caption, kLabel5At, this);
  // The maker's name can make the credit wider than the room between the
  // result box and the window's edge: it then ends in line with the button
  // above it instead of being cut off.
  label5_->SetRightLimit(command1_->geometry().right() + 1);
  QPalette red = label5_->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label5_->setPalette(red);
  label7_ =
      new CaptionLabel(Utf8(cpu::kUnknownCaptionUtf8), FontFor(FontRole::kStatus), kLabel7At, this);

  label1_->setObjectName(QStringLiteral("Label1"));
  label2_->setObjectName(QStringLiteral("Label2"));
  label3_->setObjectName(QStringLiteral("Label3"));
  label4_->setObjectName(QStringLiteral("Label4"));
  label5_->setObjectName(QStringLiteral("Label5"));
  label6_->setObjectName(QStringLiteral("Label6"));
  label7_->setObjectName(QStringLiteral("Label7"));

  text1_->setFocus(Qt::OtherFocusReason);
}

Text Form1::EquationText() const { return FromQString(text1_->text()); }
void Form1::SetEquationText(const Text& text) { text1_->setText(ToQString(text)); }
Text Form1::MatrixText() const { return FromQString(text2_->text()); }
void Form1::SetMatrixText(const Text& text) { text2_->setText(ToQString(text)); }

bool Form1::YieldToUi() {
  if (closing_) return false;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !closing_;
}

bool Form1::Form_Load() {
  instance_lock_ = std::make_unique<SingleInstanceLock>(SingleInstanceLock::PerUserDirectory(),
                                                        SingleInstanceLock::ThisProgramPath());
  if (instance_lock_->TryAcquire()) return true;
  timer1_->stop();
  QMessageBox box(QMessageBox::Critical, Utf8(kAlreadyRunningTitle), Utf8(kAlreadyRunningText),
                  QMessageBox::Ok);
  box.exec();
  return false;
}

void Form1::Form_Unload(std::int16_t& cancel) {
  static_cast<void>(cancel);  // a close is never refused
  closing_ = true;
  timer1_->stop();
  QCoreApplication::quit();
}

void Form1::Command1_Click() {
  // Disabled controls cannot start a second balance; this guards the paths
  // that do not go through them (a queued click, a direct call).
  if (balancing_ || closing_) return;
  balancing_ = true;
  SetBalanceControlsEnabled(false);
  text3_->setText(Utf8(kStatusText));
  QString outcome;
  try {
    outcome = ToQString(BalanceEquation(*this));
  } catch (const BalanceAbandoned&) {
    // The window is gone: nothing more is written to it.
    balancing_ = false;
    return;
  } catch (...) {
    outcome = Utf8(kFailureTextUtf8);
  }
  balancing_ = false;
  if (closing_) return;
  text3_->setText(outcome);
  SetBalanceControlsEnabled(true);
  text1_->setFocus(Qt::OtherFocusReason);
}

void Form1::Text1_KeyPress(int& key_ascii) {
  if (key_ascii == kEnterKey) Command1_Click();
}

void Form1::Timer1_Timer() {
  label7_->SetCaption(QString::fromStdString(cpu::UsageCaptionUtf8(cpu::GetCpuUsage())));
}

void Form1::ShowCentred() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen) move(screen->availableGeometry().center() - rect().center());
  show();
  // Once shown, the frame's size is known: centre the whole window.
  if (screen) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  text1_->setFocus(Qt::OtherFocusReason);
}

void Form1::SetBalanceControlsEnabled(bool enabled) {
  text1_->setEnabled(enabled);
  text3_->setEnabled(enabled);
  command1_->setEnabled(enabled);
}

void Form1::FitLabels() {
  for (CaptionLabel* label : {label1_, label2_, label3_, label4_, label5_, label6_, label7_}) {
    if (label) label->FitCaption();
  }
}

void Form1::closeEvent(QCloseEvent* event) {
  std::int16_t cancel = 0;
  Form_Unload(cancel);
  event->accept();
}

bool Form1::event(QEvent* event) {
  // A label whose caption was set directly asks its parent for a new layout.
  if (event->type() == QEvent::LayoutRequest) FitLabels();
  return QWidget::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text1_ && event->type() == QEvent::KeyPress && text1_->isEnabled()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    int key_ascii = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      key_ascii = kEnterKey;
    } else if (!key->text().isEmpty()) {
      key_ascii = key->text().front().unicode();
    }
    Text1_KeyPress(key_ascii);
  }
  // The key goes on to the box unchanged.
  return QWidget::eventFilter(watched, event);
}

}  // namespace quorvel::ui
