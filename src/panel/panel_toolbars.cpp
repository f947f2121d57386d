#include "panel/panel_toolbars.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QScrollBar>

#include "base/session.h"
#include "panel/gauge_selector.h"
#include "panel/grid.h"
#include "panel/image_button.h"
#include "panel/label_maker.h"
#include "panel/order_check_box.h"
#include "panel/panel.h"
#include "panel/panel_area.h"
#include "panel/panel_slide.h"
#include "panel/panel_texts.h"
#include "panel/toolbar_frame.h"

namespace kv {

namespace {
constexpr int kButtonSize = 32;

QBoxLayout* BoxOf(QWidget* frame) {
  if (auto* box = qobject_cast<QBoxLayout*>(frame->layout())) return box;
  auto* box = new QHBoxLayout(frame);
  box->setContentsMargins(6, 4, 6, 4);
  box->setSpacing(4);
  return box;
}
}  // namespace

PanelToolbars::PanelToolbars(Session& session, PanelArea& area,
                             const std::array<ToolbarFrame*, 5>& fraToolbar, QObject* parent)
    : QObject(parent), session_(session), area_(area) {
  BuildCreateToolbar(fraToolbar[1]);
  BuildSlideToolbar(fraToolbar[2]);
  BuildEditToolbar(fraToolbar[3]);
  BuildInfoToolbar(fraToolbar[4]);
}

PanelToolbars::~PanelToolbars() = default;

ToolbarFrame* PanelToolbars::AddInnerFrame(QBoxLayout* into, QWidget* parent,
                                           const QString& name, const QString& caption) {
  auto* frame = new ToolbarFrame(name, caption, parent);
  auto* box = new QHBoxLayout(frame);
  box->setContentsMargins(4, 2, 4, 2);
  box->setSpacing(4);
  into->addWidget(frame);
  return frame;
}

ImageButton* PanelToolbars::AddButton(QBoxLayout* into, QWidget* parent, const QString& name,
                                      const QString& picture, const QString& toolTip) {
  auto* button = new ImageButton(name, picture, kButtonSize, parent);
  button->setToolTip(toolTip);
  into->addWidget(button, 0, Qt::AlignVCenter);
  return button;
}

void PanelToolbars::ShowNextNumberOnHover(ImageButton* button, const std::uint8_t& count) {
  connect(button, &ImageButton::mouseMoved, button, [button, &count]() {
    button->setToolTip(NumberText(int(count) + 1));
  });
}

void PanelToolbars::ShowCountAfterDeletion(PanelObject kind) {
  const auto it = creators_.constFind(int(kind));
  if (it != creators_.constEnd()) it->button->setToolTip(QString::number(*it->count));
}

void PanelToolbars::BuildCreateToolbar(ToolbarFrame* frame) {
  frame->setTitle(texts::BackupCaption());
  frame->setToolTip(texts::CreateToolbarTip());
  QBoxLayout* box = BoxOf(frame);
  const LayoutModel& m = session_.model;
  AddButton(box, frame, QStringLiteral("imgBtnTrk"), QStringLiteral("track"),
            texts::GaugeTip(area_.picScreen().TemplateOuterWidth()));
  gauge_ = new GaugeSelector(frame);
  box->insertWidget(0, gauge_, 0, Qt::AlignVCenter);
  const struct {
    PanelObject kind;
    const char* name;
    const char* picture;
    const std::uint8_t& count;
  } creators[] = {{PanelObject::kImage, "imgBtnImg", "picture", m.ImageCount},
                  {PanelObject::kLabel, "imgBtnLbl", "label", m.LabelCount},
                  {PanelObject::kSignal, "imgBtnSig", "signal", m.SignalCount},
                  {PanelObject::kSensor, "imgBtnAws", "sensor", m.SensorCount}};
  for (const auto& c : creators) {
    ImageButton* button =
        AddButton(box, frame, QString::fromLatin1(c.name), QString::fromLatin1(c.picture), {});
    ShowNextNumberOnHover(button, c.count);
    creators_.insert(int(c.kind), Creator{button, &c.count});
  }
  labels_ = new LabelMaker(session_, area_, this);
  connect(frame->findChild<ImageButton*>(QStringLiteral("imgBtnLbl")), &ImageButton::mouseUp,
          labels_, &LabelMaker::imgBtnLbl_MouseUp);
  chkOrder_ = new OrderCheckBox(frame);
  box->addWidget(chkOrder_, 0, Qt::AlignVCenter);
}

void PanelToolbars::BuildSlideToolbar(ToolbarFrame* frame) {
  frame->setTitle(QString());
  ToolbarFrame* scroll =
      AddInnerFrame(BoxOf(frame), frame, QStringLiteral("fraBtnScroll"), texts::SlideCaption());
  slide_ = new PanelSlide(session_, area_, this);
  // Left, up, down, right, as arrow keys lie.
  const struct {
    int index;
    const char* picture;
  } order[] = {{9, "slide_left"}, {0, "slide_up"}, {6, "slide_down"}, {3, "slide_right"}};
  for (const auto& o : order) {
    ImageButton* button = AddButton(BoxOf(scroll), scroll,
                                    QStringLiteral("imgBtnScroll_%1").arg(o.index),
                                    QString::fromLatin1(o.picture), texts::SlideTip(o.index));
    slide_->AddButton(button, o.index);
  }
}

void PanelToolbars::BuildEditToolbar(ToolbarFrame* frame) {
  QBoxLayout* box = BoxOf(frame);
  ToolbarFrame* gridFrame =
      AddInnerFrame(box, frame, QStringLiteral("fraBtnGrid"), QStringLiteral("squares"));
  ImageButton* gridButton = AddButton(BoxOf(gridFrame), gridFrame, QStringLiteral("imgBtnGrid"),
                                      QStringLiteral("grid"), texts::GridButtonTip());
  auto* hsbGrid = new QScrollBar(Qt::Horizontal, gridFrame);
  hsbGrid->setObjectName(QStringLiteral("hsbGrid"));
  hsbGrid->setFixedWidth(96);
  // The frame keeps its size while the bar is hidden, so the toolbar does not jump.
  QSizePolicy policy = hsbGrid->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  hsbGrid->setSizePolicy(policy);
  BoxOf(gridFrame)->addWidget(hsbGrid, 0, Qt::AlignVCenter);
  grid_ = new Grid(area_.picScreen().linGrid(), gridButton, gridFrame, hsbGrid, this);

  ToolbarFrame* move = AddInnerFrame(box, frame, QStringLiteral("fraBtnMove"), texts::MoveCaption());
  delete move->layout();
  auto* options = new QGridLayout(move);
  options->setContentsMargins(4, 0, 4, 0);
  options->setSpacing(0);
  const QString captions[4] = {QStringLiteral("none"), QStringLiteral(" one"),
                               QStringLiteral(" some"), QStringLiteral("all items")};
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(captions[i], move);
    option->setObjectName(QStringLiteral("optMove_%1").arg(i));
    option->setChecked(i == 0);
    options->addWidget(option, i / 2, i % 2);
  }

  ToolbarFrame* trash = AddInnerFrame(box, frame, QStringLiteral("fraBtnTrash"), texts::TrashCaption());
  AddButton(BoxOf(trash), trash, QStringLiteral("imgBtnTrash"), QStringLiteral("dustbin"),
            texts::TrashTip());
  ToolbarFrame* save = AddInnerFrame(box, frame, QStringLiteral("fraSave"), texts::SaveCaption());
  AddButton(BoxOf(save), save, QStringLiteral("imgBtnSave"), QStringLiteral("save"),
            texts::SaveTip());
}

void PanelToolbars::BuildInfoToolbar(ToolbarFrame* frame) {
  QBoxLayout* box = BoxOf(frame);
  AddButton(box, frame, QStringLiteral("imgBtnHelp"), QStringLiteral("help"), texts::HelpTip());
  ToolbarFrame* info = AddInnerFrame(box, frame, QStringLiteral("fraInfo"), texts::InfoCaption());
  AddButton(BoxOf(info), info, QStringLiteral("imgBtnWordPad"), QStringLiteral("wordpad"),
            texts::WordPadTip());
  AddButton(BoxOf(info), info, QStringLiteral("imgBtnAbout"), QStringLiteral("about"),
            texts::AboutTip());
}

}  // namespace kv
