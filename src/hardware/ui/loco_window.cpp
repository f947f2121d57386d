#include "hardware/ui/loco_window.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include "base/session.h"
#include "hardware/dcc_link.h"
#include "hardware/dcc_texts.h"
#include "hardware/loco_texts.h"

namespace kv {

void SpeedButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  if (onDown) onDown(event->button());
}

// The box's tick follows the loco, not the click: the window sets it after each action.
void FunctionBox::mousePressEvent(QMouseEvent* event) {
  if (onDown) onDown(event->button());
}
void FunctionBox::mouseReleaseEvent(QMouseEvent* event) {
  if (onUp) onUp(event->button());
}
void FunctionBox::keyPressEvent(QKeyEvent* event) {
  event->ignore();
}
void FunctionBox::keyReleaseEvent(QKeyEvent* event) {
  event->ignore();
}

void ClickFrame::mouseReleaseEvent(QMouseEvent* event) {
  if (onUp) onUp(event->button());
}

void ClickPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      onClick) {
    onClick();
  }
}

namespace {

// The add-loco boxes take only what their rules allow, typed or pasted.
class RuleValidator : public QValidator {
 public:
  RuleValidator(std::optional<QString> (*rule)(const QString&), QObject* parent)
      : QValidator(parent), rule_(rule) {}
  State validate(QString& input, int&) const override {
    const std::optional<QString> taken = rule_(input);
    if (!taken) return Invalid;
    input = *taken;
    return Acceptable;
  }

 private:
  std::optional<QString> (*rule_)(const QString&);
};

constexpr int kStepWidth = 30;
constexpr int kStopWidth = 46;
constexpr int kListWidth = 120;
constexpr int kMaxNumberLength = 12;

LocoControl::Button ButtonOf(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return LocoControl::Button::kLeft;
  if (button == Qt::RightButton) return LocoControl::Button::kRight;
  return LocoControl::Button::kOther;
}

}  // namespace

LocoWindow::LocoWindow(Session& session, DccLink& link, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      link_(link),
      control_(std::make_unique<LocoControl>(session, link)) {
  setObjectName(QStringLiteral("Form2a"));
  // Brought up by the mouse moving over the panel: it must not take the keyboard from it.
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* root = new QVBoxLayout(this);
  root->setSizeConstraint(QLayout::SetFixedSize);
  root->setContentsMargins(6, 2, 6, 6);
  root->setMenuBar(BuildMenus());
  auto* body = new QHBoxLayout;
  body->setSpacing(6);
  lstLoco_ = new QListWidget(this);
  lstLoco_->setObjectName(QStringLiteral("lstLoco"));
  lstLoco_->setFixedWidth(kListWidth);
  body->addWidget(lstLoco_);
  body->addWidget(BuildLocoFrame());
  body->addWidget(BuildControlFrame());
  body->addWidget(BuildFunctionFrame());
  root->addLayout(body);
  connect(&link_, &DccLink::linkLost, this, &LocoWindow::ShowTitle);
  FitFunctionColumn();
  Refresh();
}

LocoWindow::~LocoWindow() = default;

QMenuBar* LocoWindow::BuildMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("menuBar"));
  mnuList_[1] = bar->addMenu(texts::TrainEngineMenu());
  mnuList_[1]->setObjectName(QStringLiteral("mnuList_1"));
  mnuList_[0] = bar->addMenu(texts::PilotMenu());
  mnuList_[0]->setObjectName(QStringLiteral("mnuList_0"));
  mnuChip_ = bar->addAction(QString());
  mnuChip_->setObjectName(QStringLiteral("mnuChip"));
  mnuFuncTot_ = bar->addAction(texts::FuncTotMenu());
  mnuFuncTot_->setObjectName(QStringLiteral("mnuFuncTot"));
  connect(mnuFuncTot_, &QAction::triggered, this, &LocoWindow::mnuFuncTot_Click);
  const QString captions[2] = {texts::AddLocoMenu(), texts::WriteLocoMenu()};
  for (int i = 0; i <= 1; ++i) {
    mnuAdd_[i] = bar->addAction(captions[i]);
    mnuAdd_[i]->setObjectName(QStringLiteral("mnuAdd_%1").arg(i));
    connect(mnuAdd_[i], &QAction::triggered, this, [this, i]() { mnuAdd_Click(i); });
  }
  return bar;
}

QWidget* LocoWindow::BuildControlFrame() {
  fraControl_ = new QWidget(this);
  fraControl_->setObjectName(QStringLiteral("fraControl"));
  auto* row = new QHBoxLayout(fraControl_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  imgDir_ = new ClickPicture(fraControl_);
  imgDir_->setObjectName(QStringLiteral("imgDir"));
  imgDir_->setFixedSize(kPictureSize, kPictureSize);
  imgDir_->setAlignment(Qt::AlignCenter);
  imgDir_->setCursor(Qt::PointingHandCursor);
  imgDir_->setToolTip(texts::DirectionTip());
  imgDir_->onClick = [this]() { imgDir_Click(); };
  row->addWidget(imgDir_, 0, Qt::AlignBottom);

  auto* steps = new QWidget(fraControl_);
  steps->setFixedHeight(kTallHeight);
  auto* stepRow = new QHBoxLayout(steps);
  stepRow->setContentsMargins(0, 0, 0, 0);
  stepRow->setSpacing(2);
  for (int n = 0; n <= LocoControl::kLastStep; ++n) {
    if (n == 1) continue;
    auto* button = new SpeedButton(n == 0 ? texts::StopButton() : QString::number(n), steps);
    button->setObjectName(QStringLiteral("cmdLoco_%1").arg(n));
    button->setFixedWidth(n == 0 ? kStopWidth : kStepWidth);
    button->setFocusPolicy(Qt::NoFocus);
    button->onDown = [this, n](Qt::MouseButton b) { cmdLoco_MouseDown(n, b); };
    cmdLoco_[static_cast<std::size_t>(n)] = button;
    stepRow->addWidget(button, 0, Qt::AlignBottom);
  }
  row->addWidget(steps, 0, Qt::AlignBottom);
  return fraControl_;
}

QWidget* LocoWindow::BuildLocoFrame() {
  fraLoco_ = new QGroupBox(texts::NewChipFrame(), this);
  fraLoco_->setObjectName(QStringLiteral("fraLoco"));
  fraLoco_->setToolTip(texts::NewChipTip());
  fraLoco_->setFixedWidth(233);  // 3500 twips
  auto* grid = new QGridLayout(fraLoco_);
  txtChip_ = new QLineEdit(fraLoco_);
  txtChip_->setObjectName(QStringLiteral("txtChip"));
  txtChip_->setValidator(new RuleValidator(&ChipAfterEdit, txtChip_));
  txtChip_->setToolTip(texts::ChipBoxTip());
  txtChip_->setPlaceholderText(QStringLiteral("0003"));
  txtLoco_ = new QLineEdit(fraLoco_);
  txtLoco_->setObjectName(QStringLiteral("txtLoco"));
  txtLoco_->setValidator(new RuleValidator(&LocoNumberAfterEdit, txtLoco_));
  txtLoco_->setMaxLength(kMaxNumberLength);
  txtLoco_->setToolTip(texts::LocoBoxTip());
  txtLoco_->setPlaceholderText(QStringLiteral("D1015"));
  grid->addWidget(new QLabel(QStringLiteral("chip"), fraLoco_), 0, 0);
  grid->addWidget(txtChip_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("loco"), fraLoco_), 1, 0);
  grid->addWidget(txtLoco_, 1, 1);
  connect(txtChip_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.size() == 4) txtLoco_->setFocus();
  });
  connect(txtLoco_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.contains(QRegularExpression(QStringLiteral("[0-9]")))) {
      txtLoco_->setToolTip(texts::WriteLocoTip());
    }
  });
  connect(txtLoco_, &QLineEdit::returnPressed, this, &LocoWindow::WriteLoco);
  connect(txtChip_, &QLineEdit::returnPressed, txtLoco_, [this]() { txtLoco_->setFocus(); });
  fraLoco_->hide();
  return fraLoco_;
}

QWidget* LocoWindow::BuildFunctionFrame() {
  fraFuncOp_ = new ClickFrame(texts::OperateFrame(), this);
  fraFuncOp_->setObjectName(QStringLiteral("fraFuncOp"));
  fraFuncOp_->onUp = [this](Qt::MouseButton b) { fraFuncOp_MouseUp(b); };
  auto* row = new QHBoxLayout(fraFuncOp_);
  row->setContentsMargins(6, 2, 6, 4);
  auto* arrows = new QVBoxLayout;
  for (int i = 0; i <= 1; ++i) {
    imgBtnFunc_[i] = new QToolButton(fraFuncOp_);
    imgBtnFunc_[i]->setObjectName(QStringLiteral("imgBtnFunc_%1").arg(i));
    imgBtnFunc_[i]->setArrowType(i == 0 ? Qt::UpArrow : Qt::DownArrow);
    imgBtnFunc_[i]->setToolTip(texts::FunctionPageTip(i == 1));
    imgBtnFunc_[i]->setFocusPolicy(Qt::NoFocus);
    connect(imgBtnFunc_[i], &QToolButton::pressed, this, [this, i]() { imgBtnFunc_MouseDown(i); });
    arrows->addWidget(imgBtnFunc_[i]);
  }
  row->addLayout(arrows);
  functionColumn_ = new QWidget(fraFuncOp_);
  auto* column = new QVBoxLayout(functionColumn_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  for (int f = 0; f < kFunctionCount; ++f) {
    auto* box = new FunctionBox(functionColumn_);
    box->setObjectName(QStringLiteral("chkFunc_%1").arg(f));
    box->setFocusPolicy(Qt::NoFocus);
    box->onDown = [this, f](Qt::MouseButton b) { chkFunc_MouseDown(f, b); };
    box->onUp = [this, f](Qt::MouseButton b) { chkFunc_MouseUp(f, b); };
    chkFunc_[static_cast<std::size_t>(f)] = box;
    column->addWidget(box);
  }
  column->addStretch(1);
  row->addWidget(functionColumn_);
  return fraFuncOp_;
}

void LocoWindow::FitFunctionColumn() {
  // One size for every page: as wide as the widest caption could be, five boxes high.
  int width = 0;
  int height = 0;
  for (int f = 0; f < kFunctionCount; ++f) {
    FunctionBox* box = chkFunc_[static_cast<std::size_t>(f)];
    const QString before = box->text();
    box->setText(kv::FunctionCaption(f, false, control_->Label(f)));
    width = std::max(width, box->sizeHint().width());
    height = std::max(height, box->sizeHint().height());
    box->setText(before);
  }
  functionColumn_->setFixedSize(width, height * kShownFunctions);
  // The list as tall as the function frame: the window no taller than its controls need.
  lstLoco_->setFixedHeight(fraFuncOp_->sizeHint().height());
}

void LocoWindow::LoadLocoList() {
  control_->LoadLocoList();
  RebuildLocoMenus();
  Refresh();
}

void LocoWindow::LoadFunctionNames() {
  control_->LoadFunctionNames();
  FitFunctionColumn();
  Refresh();
}

void LocoWindow::PlaceAtBottomLeft(const QRect& area) {
  // The frame is not known before the window is first shown: room for a title bar is left.
  constexpr int kTitleRoom = 40;
  move(area.left(), area.bottom() - sizeHint().height() - kTitleRoom);
}

void LocoWindow::RebuildLocoMenus() {
  lstLoco_->clear();
  mnuList_[1]->clear();
  mnuList_[0]->clear();
  for (int i = 0; i < control_->LocoCount(); ++i) {
    const LocoRecord& loco = control_->Loco(i);
    lstLoco_->addItem(LocoItemText(loco));
    QAction* a = mnuList_[1]->addAction(loco.number);
    a->setObjectName(QStringLiteral("mnuUnitA_%1").arg(i));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i]() { mnuUnitA_Click(i); });
    QAction* b = mnuList_[0]->addAction(loco.number);
    b->setObjectName(QStringLiteral("mnuUnitB_%1").arg(i));
    b->setCheckable(true);
    connect(b, &QAction::triggered, this, [this, i]() { mnuUnitB_Click(i); });
  }
}

void LocoWindow::mnuAdd_Click(int index) {
  if (index == 1 || addMode_) {
    WriteLoco();
    return;
  }
  addMode_ = true;
  fraControl_->hide();
  fraFuncOp_->hide();
  fraLoco_->show();
  Refresh();
  txtChip_->setFocus();
}

void LocoWindow::WriteLoco() {
  if (!addMode_) return;
  int added = -1;
  const LocoControl::AddOutcome outcome =
      control_->WriteLoco(txtChip_->text(), txtLoco_->text(), &added);
  if (outcome == LocoControl::AddOutcome::kRefused) {
    (IsChip(txtChip_->text()) ? txtLoco_ : txtChip_)->setFocus();
    return;
  }
  LeaveAddMode();
  if (outcome == LocoControl::AddOutcome::kAdded) {
    RebuildLocoMenus();
    lstLoco_->setCurrentRow(added);
    Refresh();
  }
}

void LocoWindow::LeaveAddMode() {
  addMode_ = false;
  txtChip_->clear();
  txtLoco_->clear();
  txtLoco_->setToolTip(texts::LocoBoxTip());
  fraLoco_->hide();
  fraControl_->show();
  fraFuncOp_->show();
  Refresh();
}

void LocoWindow::mnuUnitA_Click(int index) {
  if (control_->SelectTrainEngine(index)) {
    lstLoco_->setCurrentRow(index);
    firstShown_ = 0;
  }
  Refresh();
}

void LocoWindow::mnuUnitB_Click(int index) {
  control_->SelectPilot(index);
  Refresh();
}

void LocoWindow::mnuFuncTot_Click() {
  control_->ClearFunctionGroup();
  Refresh();
}

void LocoWindow::cmdLoco_MouseDown(int index, Qt::MouseButton button) {
  control_->PressSpeed(index, ButtonOf(button));
  Refresh();
}

void LocoWindow::imgDir_Click() {
  control_->ReverseDirection();
  Refresh();
}

void LocoWindow::chkFunc_MouseDown(int index, Qt::MouseButton button) {
  if (button == Qt::LeftButton) control_->FunctionPress(index);
  Refresh();
}

void LocoWindow::chkFunc_MouseUp(int index, Qt::MouseButton button) {
  if (button == Qt::LeftButton) control_->FunctionRelease(index);
  Refresh();
}

void LocoWindow::fraFuncOp_MouseUp(Qt::MouseButton button) {
  if (button == Qt::LeftButton) control_->ToggleFunctionMode();
  Refresh();
}

void LocoWindow::imgBtnFunc_MouseDown(int index) {
  if (index == 0 && firstShown_ > 4) firstShown_ -= kShownFunctions;
  if (index == 1 && firstShown_ < 10) firstShown_ += kShownFunctions;
  ShowFunctions();
}

void LocoWindow::showEvent(QShowEvent* event) {
  ShowTitle();
  QWidget::showEvent(event);
}

void LocoWindow::keyPressEvent(QKeyEvent* event) {
  if (addMode_ && event->key() == Qt::Key_Escape) {
    LeaveAddMode();
    return;
  }
  QWidget::keyPressEvent(event);
}

void LocoWindow::ShowTitle() {
  setWindowTitle(texts::LocoWindowTitle() +
                 (link_.Online() ? QString() : texts::CaptionModemOff()));
}

void LocoWindow::Refresh() {
  ShowTitle();
  const LocoControl& c = *control_;
  const auto engine = c.TrainEngine();
  const auto pilot = c.Pilot();
  mnuList_[1]->setTitle(engine ? c.Loco(*engine).number : texts::TrainEngineMenu());
  mnuList_[0]->setTitle(pilot ? c.Loco(*pilot).number : texts::PilotMenu());
  const QList<QAction*> a = mnuList_[1]->actions();
  const QList<QAction*> b = mnuList_[0]->actions();
  for (int i = 0; i < c.LocoCount() && i < a.size() && i < b.size(); ++i) {
    a.at(i)->setChecked(engine == i);
    a.at(i)->setEnabled(!pilot);  // the train engine stays while a pilot is coupled
    b.at(i)->setChecked(pilot == i);
    b.at(i)->setEnabled(engine != i && (!pilot || pilot == i));
  }
  mnuChip_->setVisible(engine.has_value());
  if (engine) mnuChip_->setText(texts::ChipMenu(c.Loco(*engine).chip));
  mnuFuncTot_->setVisible(engine.has_value());
  mnuFuncTot_->setText(c.FuncTotText());
  mnuAdd_[0]->setVisible(!addMode_);
  mnuAdd_[1]->setVisible(addMode_);
  ShowSpeedButtons();
  ShowDirection();
  ShowFunctions();
}

void LocoWindow::ShowSpeedButtons() {
  const bool engine = control_->TrainEngine().has_value();
  for (int n = 0; n <= LocoControl::kLastStep; ++n) {
    SpeedButton* button = cmdLoco_[static_cast<std::size_t>(n)];
    if (!button) continue;
    const bool tall = control_->TallButton() == n;
    button->setFixedHeight(tall ? kTallHeight : kRestHeight);
    if (!engine) {
      button->setToolTip(texts::SelectTrainEngineTip());
    } else if (n == 0) {
      button->setToolTip(QString());
    } else {
      button->setToolTip(tall ? texts::StopTip() : texts::GoTip());
    }
  }
}

void LocoWindow::ShowDirection() {
  imgDir_->setPixmap(DirectionPicture(control_->DirectionLeft()));
}

QPixmap LocoWindow::DirectionPicture(bool left) {
  const QString stored = QStringLiteral("\\data\\vm110\\DCClogo") +
                         (left ? QStringLiteral("L") : QStringLiteral("R")) +
                         QStringLiteral(".bmp");
  QPixmap picture;
  const QString path = session_.folder.Resolve(stored);
  if (!path.isEmpty()) picture.load(path);
  dirStandIn_ = picture.isNull();
  imgDir_->setToolTip(dirStandIn_ ? texts::DirectionPictureMissing(stored) : texts::DirectionTip());
  if (dirStandIn_) return kv::DirectionStandIn(left, kPictureSize);
  return picture.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void LocoWindow::ShowFunctions() {
  const LocoControl& c = *control_;
  fraFuncOp_->setTitle(c.Operate() ? texts::OperateFrame() : texts::StatusFrame());
  fraFuncOp_->setToolTip(c.Operate() ? texts::OperateFrameTip() : texts::StatusFrameTip());
  for (int f = 0; f < kFunctionCount; ++f) {
    FunctionBox* box = chkFunc_[static_cast<std::size_t>(f)];
    box->setEnabled(c.FunctionsEnabled());
    box->setChecked(c.FunctionTicked(f));
    box->setText(c.FunctionCaption(f));
    box->setVisible(f >= firstShown_ && f < firstShown_ + kShownFunctions);
  }
  imgBtnFunc_[0]->setEnabled(firstShown_ > 4);
  imgBtnFunc_[1]->setEnabled(firstShown_ < 10);
}

QPixmap DirectionStandIn(bool left, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
  p.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));
  const double m = size / 2.0;
  QPainterPath arrow;
  const double tip = left ? size * 0.15 : size * 0.85;
  const double base = left ? size * 0.55 : size * 0.45;
  arrow.moveTo(tip, m);
  arrow.lineTo(base, m - size * 0.3);
  arrow.lineTo(base, m + size * 0.3);
  arrow.closeSubpath();
  p.fillPath(arrow, Qt::darkGray);
  p.setPen(QPen(Qt::darkGray, size * 0.14));
  p.drawLine(QPointF(base, m), QPointF(left ? size * 0.85 : size * 0.15, m));
  return pixmap;
}

}  // namespace kv
