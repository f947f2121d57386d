#pragma once

#include <QObject>
#include <QPointF>

#include "panel/panel_items.h"

class QWidget;

namespace kv {

class PanelArea;
class PanelEditor;
class Session;

// A 256th object of a kind is refused: true, after telling the user (naming the kind and the
// limit of 255), when the kind is full. Every create button asks this before anything else;
// nothing is created and nothing already there changes.
bool RefuseAtLimit(Session& session, PanelObject kind);

// The create buttons of Modify mode: imgBtnTrk (a track unit of the current gauge), imgBtnImg
// (a picture) and imgBtnAws (a sensor box). Each new object lies near the top left corner of
// the visible part of the panel and can be undone. The buttons and chkOrder are found by name
// under `window`.
class ObjectCreation : public QObject {
  Q_OBJECT

 public:
  // New objects' places, from the visible top left corner, in twips.
  static constexpr QPointF kTrackStart{6000, 1500};
  static constexpr QPointF kTrackEnd{7000, 2500};
  static constexpr QPointF kPicture{50, 150};
  static constexpr QPointF kSensor{1000, 150};

  ObjectCreation(Session& session, PanelArea& area, PanelEditor& editor, QWidget& window,
                 QObject* parent = nullptr);

  // Left button in Modify mode: a new unit numbered TrackCount + 1; any button leaves the
  // panel's cross pointer.
  void imgBtnTrk_MouseUp(Qt::MouseButton button);
  void CreateTrackUnit();
  void imgBtnAws_MouseUp(Qt::MouseButton button);
  void CreateSensor();
  // The file dialog in the pictures folder, the copy of a file from outside the program
  // folder (Yes/No), the tool-tip (message 1), then the picture, selected, in front of the
  // track ("superimpose") or behind it.
  void imgBtnImg_MouseUp(Qt::MouseButton button);

 private:
  bool Modifying() const;
  QPointF Visible() const;
  int NewGauge() const;
  // The stored path of the picture chosen, copied in when the user agrees; "" adds nothing.
  QString TakePicture(const QString& chosen);

  Session& session_;
  PanelArea& area_;
  PanelEditor& editor_;
  QWidget& window_;
};

}  // namespace kv
