#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "bridge_view.h"
#include "caption_label.h"
#include "fonts.h"
#include "form/layout.h"
#include "lock_directory.h"
#include "qt_text.h"
#include "quorvel/drawing/bridges.h"
#include "text_box.h"

namespace quorvel::ui {
namespace {

using form::ControlId;
using form::ControlKind;
using form::ControlSpec;

QString Utf8(const char* text) { return QString::fromUtf8(text); }
QString Utf8(const std::string& text) { return QString::fromStdString(text); }
QString Words(form::Message message) { return Utf8(form::WindowText(message)); }

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// The fonts are sized in points at the screen's logical resolution, so the
// twips are converted at the same one: larger fonts get a larger layout.
int LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInch() + 0.5) : 96;
  return dpi > 0 ? dpi : 96;
}

struct WrappedLines {
  int lines = 0;
  int line_height = 0;  // the tallest line's
};

// The box's own line breaking and line heights: each line as tall as the
// faces its characters are drawn in, with their leading. The font's own line
// spacing falls short of that, and measured by it the pane's last whole line
// was cut off.
WrappedLines WrapAsTheBoxDoes(const QString& text, const QFont& font, const QTextOption& option,
                              int width) {
  WrappedLines wrapped;
  double tallest = QFontMetricsF(font).lineSpacing();
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(std::max(width, 1));
      tallest = std::max(tallest, line.height());
      ++wrapped.lines;
    }
    layout.endLayout();
  }
  wrapped.line_height = static_cast<int>(std::ceil(tallest));
  return wrapped;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      dpi_(LogicalDpi()),
      instance_lock_(LockDirectory(), SingleInstanceLock::ThisProgramPath()),
      controller_(*this, instance_lock_) {
  setObjectName(Utf8(form::kFormName));
  setWindowTitle(Words(form::Message::kWindowCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  const form::PixelSize client = form::ClientSize(dpi_);
  setFixedSize(client.width, client.height);
  BuildControls();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(Utf8(form::kTimerName));
  timer1_->setInterval(form::kTimerIntervalMs);
  connect(timer1_, &QTimer::timeout, this, [this] { controller_.Timer1_Timer(); });
  timer1_->start();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  for (const ControlSpec& entry : form::kControls) {
    QWidget* control = nullptr;
    switch (entry.kind) {
      case ControlKind::kLabel: {
        auto* label = new CaptionLabel(entry.id, dpi_, this);
        if (entry.red) {
          QPalette red = label->palette();
          red.setColor(QPalette::WindowText, QColor(255, 0, 0));
          label->setPalette(red);
        }
        control = label;
        break;
      }
      case ControlKind::kTextBox: {
        auto* box = new TextBox(this);
        box->setReadOnly(entry.read_only);
        if (entry.id == ControlId::kText1) {
          box->SetMenuExtension([this](QMenu& menu) { AddModeItem(menu); });
        }
        control = box;
        break;
      }
      case ControlKind::kDetailsBox: {
        auto* box = new QPlainTextEdit(this);
        box->setReadOnly(true);
        // Selectable and copyable by keyboard and mouse, as a read-only box is.
        box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        box->setTabChangesFocus(true);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Queued: the box is not changed again from inside its own change.
        connect(
            box, &QPlainTextEdit::textChanged, this,
            [this, box] {
              if (box->toPlainText() != pane_text_) box->setPlainText(pane_text_);
            },
            Qt::QueuedConnection);
        control = box;
        break;
      }
      case ControlKind::kPicture:
        control = new BridgeView(this);
        break;
      case ControlKind::kButton: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this] { controller_.Command1_Click(); });
        control = button;
        break;
      }
    }
    control->setObjectName(Utf8(entry.name));
    control->setFont(MakeFont(entry.font));
    if (entry.kind != ControlKind::kLabel) {
      const form::PixelRect place = form::ToPixels(entry.twips, dpi_);
      control->setGeometry(place.left, place.top, place.width, place.height);
      control->setFocusPolicy(entry.tab_stop ? Qt::StrongFocus : Qt::NoFocus);
      // Enter in the equation box and on the focused button is the balance command.
      control->installEventFilter(this);
    }
    controls_[static_cast<std::size_t>(entry.id)] = control;
    // Through the view, so a label takes its caption's size at once.
    if (entry.kind == ControlKind::kLabel) {
      static_cast<CaptionLabel*>(control)->SetCaption(Utf8(form::Caption(entry)));
    } else if (entry.kind != ControlKind::kPicture) {
      SetControlText(entry.id, DecodeUtf8(form::Caption(entry)).value_or(Text()));
    }
    // The pane waits for the chemistry mode.
    if (form::InChemistryPane(entry.id)) control->hide();
  }

  std::vector<const ControlSpec*> tab_chain;
  for (const ControlSpec& entry : form::kControls) {
    if (entry.tab_stop) tab_chain.push_back(&entry);
  }
  std::sort(tab_chain.begin(), tab_chain.end(),
            [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
  for (std::size_t i = 1; i < tab_chain.size(); ++i) {
    setTabOrder(Control(tab_chain[i - 1]->id), Control(tab_chain[i]->id));
  }
  Control(ControlId::kText1)->setFocus(Qt::OtherFocusReason);
}

void Form1::AddModeItem(QMenu& menu) {
  menu.addSeparator();
  QAction* item = menu.addAction(Words(form::Message::kWindowChemistryMenuItem));
  item->setObjectName(QStringLiteral("chemistryMode"));
  item->setCheckable(true);
  item->setChecked(controller_.ChemistryMode());
  connect(item, &QAction::toggled, this, [this](bool on) { controller_.SetChemistryMode(on); });
}

void Form1::LoadSettings(bool chemistry_this_run) {
  controller_.LoadSettings(settings_, chemistry_this_run);
}

Text Form1::ControlText(ControlId id) const {
  if (auto* pane = qobject_cast<QPlainTextEdit*>(Control(id))) {
    return FromQString(pane->toPlainText());
  }
  return FromQString(Control(id)->property("text").toString());
}

void Form1::SetControlText(ControlId id, const Text& text) {
  QWidget* control = Control(id);
  if (auto* label = dynamic_cast<CaptionLabel*>(control)) {
    label->SetCaption(ToQString(text));
  } else if (auto* pane = qobject_cast<QPlainTextEdit*>(control)) {
    pane_text_ = ToQString(text);
    pane->setPlainText(pane_text_);
    // The pane takes its text's height, and the rows under it move.
    if (pane_shown_) LayOut();
  } else {
    control->setProperty("text", ToQString(text));
  }
}

void Form1::ShowChemistryPane(bool shown) {
  pane_shown_ = shown;
  for (const ControlSpec& entry : form::kControls) {
    if (form::InChemistryPane(entry.id)) Control(entry.id)->setVisible(shown);
  }
  LayOut();
}

void Form1::ShowDetailsLine(std::size_t line) {
  auto* pane = static_cast<QPlainTextEdit*>(Control(ControlId::kText4));
  const QTextDocument* document = pane->document();
  const int last = std::max(0, document->blockCount() - 1);
  QTextCursor at(document->findBlockByNumber(static_cast<int>(std::min<std::size_t>(line, last))));
  // From the bottom, the box scrolls up only until the line is the first in
  // view, counting the rows its wrapping makes.
  pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->maximum());
  pane->setTextCursor(at);
  pane->ensureCursorVisible();
}

void Form1::ShowBridges(const chemistry::Answer* answer, const chemistry::Details* details) {
  std::optional<drawing::BridgeFigure> figure;
  if (answer && details) {
    figure = drawing::MakeBridgeFigure(*answer, *details, form::kWindowLanguage);
  }
  auto* view = static_cast<BridgeView*>(Control(ControlId::kPicture1));
  // The equation's size is the box font's, in pixels at the window's dpi.
  const double font_pixels = view->font().pointSizeF() * dpi_ / 72.0;
  const int max_width = form::ToPixels(form::TableEntry(ControlId::kPicture1).twips, dpi_).width;
  view->ShowFigure(figure ? &*figure : nullptr, font_pixels, max_width);
  // The drawing is no stop of the table's chain: while it shows a picture it
  // takes the focus after the pane's text, to scroll or copy it. The toolkit
  // leaves a control that takes no focus out of the chain, so it joins here.
  if (view->Shown()) setTabOrder(Control(ControlId::kText4), view);
  // The pane grows or shrinks with the drawing, and the rows under it move.
  if (pane_shown_) LayOut();
}

form::PaneContent Form1::MeasurePane() const {
  const auto* pane = static_cast<QPlainTextEdit*>(Control(ControlId::kText4));
  const int margin = static_cast<int>(pane->document()->documentMargin() + 0.5);
  form::PaneContent content;
  content.picture_height =
      static_cast<const BridgeView*>(Control(ControlId::kPicture1))->WantedHeight();
  content.frame = 2 * pane->frameWidth() + 2 * margin;
  // Wrapped at the box's width, less a scroll bar's, which a long text shows.
  const int width = form::ToPixels(form::TableEntry(ControlId::kText4).twips, dpi_).width -
                    content.frame - pane->verticalScrollBar()->sizeHint().width();
  const WrappedLines wrapped = WrapAsTheBoxDoes(pane->toPlainText(), pane->font(),
                                                pane->document()->defaultTextOption(), width);
  content.text_lines = std::max(1, wrapped.lines);
  content.line_height = wrapped.line_height;
  return content;
}

void Form1::LayOut() {
  const form::FormPlaces places(dpi_, pane_shown_,
                                pane_shown_ ? MeasurePane() : form::PaneContent{});
  for (const ControlSpec& entry : form::kControls) {
    QWidget* control = Control(entry.id);
    if (auto* label = dynamic_cast<CaptionLabel*>(control)) {
      const form::PixelRect home = form::ToPixels(entry.twips, dpi_);
      label->SetRowShift(places.PlaceLabel(entry.id, {home.width, home.height}).top - home.top);
    } else {
      const form::PixelRect place = places.Place(entry.id);
      control->setGeometry(place.left, place.top, place.width, place.height);
    }
  }
  setFixedSize(places.Client().width, places.Client().height);
  KeepOnScreen();
}

// A pane that grew moves the window up as far as it needs to stay on the
// screen's available area; the caption stays in reach above all.
void Form1::KeepOnScreen() {
  const QScreen* shown_on = isVisible() ? screen() : nullptr;
  if (!shown_on) return;
  const QRect area = shown_on->availableGeometry();
  const QRect frame = frameGeometry();
  // The frame's own edges stay as they are around the client's new height.
  const int frame_height = frame.height() - geometry().height() + height();
  if (frame.top() + frame_height <= area.bottom() + 1) return;
  move(frame.left(), std::max(area.top(), area.bottom() + 1 - frame_height));
}

void Form1::SetControlEnabled(ControlId id, bool enabled) { Control(id)->setEnabled(enabled); }

void Form1::FocusControl(ControlId id) { Control(id)->setFocus(Qt::OtherFocusReason); }

void Form1::ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Form1::ShowCriticalBox(const Text& title, const Text& text) {
  QMessageBox box(QMessageBox::Critical, ToQString(title), ToQString(text), QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(Words(form::Message::kWindowOkButton));
  box.exec();
}

void Form1::StopTimer() { timer1_->stop(); }

void Form1::EndProgram() { QCoreApplication::quit(); }

void Form1::SetWindowCaption(const Text& caption) { setWindowTitle(ToQString(caption)); }

// Queued to this window's thread; dropped if the window is gone by then.
void Form1::WakeUi() {
  QMetaObject::invokeMethod(
      this, [this] { controller_.Pump(); }, Qt::QueuedConnection);
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
  FocusControl(ControlId::kText1);
}

void Form1::closeEvent(QCloseEvent* event) {
  std::int16_t cancel = 0;
  controller_.Form_Unload(cancel);
  event->accept();
}

bool Form1::event(QEvent* event) {
  // A label whose caption was set directly asks its parent for a new layout.
  if (event->type() == QEvent::LayoutRequest) {
    for (QWidget* control : controls_) {
      if (auto* label = dynamic_cast<CaptionLabel*>(control)) label->FitCaption();
    }
  }
  return QWidget::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  QWidget* text1 = Control(ControlId::kText1);
  QWidget* text5 = Control(ControlId::kText5);
  if (watched == text5 && text5->isEnabled() && IsEnter(*key)) {
    int key_ascii = form::kEnterKey;
    controller_.Text5_KeyPress(key_ascii);
    return true;
  }
  if (watched == text1 && text1->isEnabled()) {
    int key_ascii = 0;
    if (IsEnter(*key)) {
      key_ascii = form::kEnterKey;
    } else if (!key->text().isEmpty()) {
      key_ascii = key->text().front().unicode();
    }
    controller_.Text1_KeyPress(key_ascii);
  } else if (watched == Control(ControlId::kCommand1) && IsEnter(*key) && !key->isAutoRepeat()) {
    // Enter on the focused button presses it, as Space does.
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
  // Any other key goes on to its control unchanged.
  return QWidget::eventFilter(watched, event);
}

}  // namespace quorvel::ui
