#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "base/scheduler.h"

class QScrollBar;

namespace kv {

class ImageButton;
class PanelArea;
class Session;

// Sliding the panel with the four slide buttons: while one is held with the left button the
// polling timer moves the surface every 40 ms by a step that grows 10 twips a tick, so the
// slide accelerates; letting go stops it at once.
class PanelSlide : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTick = 40;      // ms
  static constexpr int kStepGrowth = 10;  // twips

  PanelSlide(Session& session, PanelArea& area, QObject* parent = nullptr);
  ~PanelSlide() override;

  // Makes `button` the slide button of clock position `index` (0 up, 3 right, 6 down, 9 left).
  void AddButton(ImageButton* button, int index);

  void imgBtnScroll_MouseDown(int index, Qt::MouseButton button);
  void imgBtnScroll_MouseUp(int index, Qt::MouseButton button);
  void timPollKeys_Timer();
  void EndSlide();

  IntervalTimer& timPollKeys() { return *timPollKeys_; }
  int ScrollDir = 0;
  int ScrollStep = 0;
  // The bars' Tag flags: "1" while a bar stands strictly inside its range after a slide.
  QString hsbScreenTag = QStringLiteral("0");
  QString vsbScreenTag = QStringLiteral("0");

 private:
  // Moves `bar` by `delta` unless that would leave its range.
  static void Step(QScrollBar* bar, int delta);
  static QString EndTag(const QScrollBar* bar);

  PanelArea& area_;
  std::unique_ptr<IntervalTimer> timPollKeys_;
};

}  // namespace kv
