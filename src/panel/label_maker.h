#pragma once

#include <QObject>
#include <functional>

#include "panel/label_settings.h"

namespace kv {

class LabelDialog;
class PanelArea;
class Session;

// The label button of the creation toolbar: a new label from the Label Dialog, at the left
// edge of the visible part of the panel, the labels placed since the last save one under the
// other from 1050 twips below its top.
class LabelMaker : public QObject {
  Q_OBJECT

 public:
  LabelMaker(Session& session, PanelArea& area, QObject* parent = nullptr);
  ~LabelMaker() override;

  // A layout that has the most labels it can hold is told so before the dialog opens.
  void imgBtnLbl_MouseUp(Qt::MouseButton button);

  // Form1b, made on first use over the panel's window and kept for the run.
  LabelDialog& Form1b();
  LabelSettings& settings() { return settings_; }

  // Told the number of each label created, so the editor can undo it.
  std::function<void(int index)> created;

 private:
  Session& session_;
  PanelArea& area_;
  LabelSettings settings_;
  LabelDialog* form1b_ = nullptr;
};

}  // namespace kv
