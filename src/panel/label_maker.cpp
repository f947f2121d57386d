#include "panel/label_maker.h"

#include <QScrollBar>

#include "base/session.h"
#include "layout/twips.h"
#include "panel/label_dialog.h"
#include "panel/object_creation.h"
#include "panel/panel.h"
#include "panel/panel_area.h"

namespace kv {

LabelMaker::LabelMaker(Session& session, PanelArea& area, QObject* parent)
    : QObject(parent), session_(session), area_(area) {}

LabelMaker::~LabelMaker() = default;

LabelDialog& LabelMaker::Form1b() {
  if (!form1b_) form1b_ = new LabelDialog(session_, settings_, area_.window());
  return *form1b_;
}

void LabelMaker::imgBtnLbl_MouseUp(Qt::MouseButton) {
  LayoutModel& m = session_.model;
  if (RefuseAtLimit(session_, PanelObject::kLabel)) return;
  const int purpose = Form1b().GetLabel();
  if (purpose == kNoPurpose || session_.Ended()) return;
  const int i = ++m.LabelCount;
  Panel& panel = area_.picScreen();
  const LabelLook& look = Form1b().Preview();
  panel.LoadLabel(i, look, 0, 0);
  LabelControl* label = panel.Label(i);
  const double height = label->boundingRect().height() * kTwipsPerPixel;
  label->setPos(area_.hsbScreen()->value(),
                m.NewLabelCount * height + 1050 + area_.vsbScreen()->value());
  label->setVisible(true);  // a new points label shows, whatever the points numbers do
  label->SetTag(QString::number(purpose));
  if (m.NewLabelCount < 255) ++m.NewLabelCount;
  if (created) created(i);
}

}  // namespace kv
