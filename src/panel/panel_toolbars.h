#pragma once

#include <QHash>
#include <QObject>
#include <array>
#include <cstdint>

#include "panel/panel_items.h"

class QBoxLayout;
class QRadioButton;
class QScrollBar;

namespace kv {

class GaugeSelector;
class Grid;
class ImageButton;
class LabelMaker;
class OrderCheckBox;
class PanelArea;
class PanelSlide;
class Session;
class ToolbarFrame;

// The buttons of the main window's four toolbars, placed in the frames fraToolbar_1 (create:
// track, picture, label, signal, sensor, and the stacking option), _2 (the slide buttons),
// _3 (edit: grid, move options, dustbin, save) and _4 (information: help, word processor,
// about), with the grid and the slide working on the panel. The other buttons get their work
// from the parts that own it; they find them by name.
class PanelToolbars : public QObject {
  Q_OBJECT

 public:
  PanelToolbars(Session& session, PanelArea& area, const std::array<ToolbarFrame*, 5>& fraToolbar,
                QObject* parent = nullptr);
  ~PanelToolbars() override;

  Grid& grid() { return *grid_; }
  PanelSlide& slide() { return *slide_; }
  OrderCheckBox& chkOrder() { return *chkOrder_; }
  GaugeSelector& gauge() { return *gauge_; }

  // The create buttons of pictures, labels, signals and sensors show the number the next
  // object will get, Str(count + 1), whenever the mouse moves over them; after a deletion of
  // their kind, the count left, as plain digits.
  void ShowCountAfterDeletion(PanelObject kind);

  LabelMaker& labels() { return *labels_; }

 private:
  void BuildCreateToolbar(ToolbarFrame* frame);
  void BuildSlideToolbar(ToolbarFrame* frame);
  void BuildEditToolbar(ToolbarFrame* frame);
  void BuildInfoToolbar(ToolbarFrame* frame);
  ToolbarFrame* AddInnerFrame(QBoxLayout* into, QWidget* parent, const QString& name,
                              const QString& caption);
  ImageButton* AddButton(QBoxLayout* into, QWidget* parent, const QString& name,
                         const QString& picture, const QString& toolTip);
  // The create buttons show the number the next object of their kind will get.
  void ShowNextNumberOnHover(ImageButton* button, const std::uint8_t& count);
  struct Creator {
    ImageButton* button;
    const std::uint8_t* count;
  };

  Session& session_;
  PanelArea& area_;
  Grid* grid_ = nullptr;
  PanelSlide* slide_ = nullptr;
  OrderCheckBox* chkOrder_ = nullptr;
  GaugeSelector* gauge_ = nullptr;
  QHash<int, Creator> creators_;  // by PanelObject
  LabelMaker* labels_ = nullptr;
};

}  // namespace kv
