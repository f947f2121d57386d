#pragma once

#include <QChar>
#include <QObject>
#include <functional>

class QScrollBar;

namespace kv {

class DccLink;
class ImageButton;
class Session;
class ToolbarFrame;

// fraLenzNo: the DCC accessory by hand. The scroll bar hsbLenzNo holds the accessory number and
// the two stacked "toggle" pictures imgBtnTog 3 (L) and 4 (R) show the side thrown last; a click
// on the one in front throws the accessory to the other side.
class AccessoryGroup : public QObject {
  Q_OBJECT

 public:
  // Fills `fraLenzNo`.
  AccessoryGroup(Session& session, ToolbarFrame* fraLenzNo, DccLink& dcc);

  QScrollBar* hsbLenzNo() const { return hsbLenzNo_; }
  // imgBtnTog(3) or (4).
  ImageButton* imgBtnTog(int index) const;

  // hsbLenzNo.Value = number; the caption follows even when the number stays the same.
  void SetNumber(int number);
  int Number() const;
  // The picture of `side` ('L' or 'R') to the front.
  void ShowSide(QChar side);
  // imgBtnTog 3 or 4 clicked: PointSide becomes the other side, and the accessory is thrown.
  void Toggle(int index);

  // Called whenever hsbLenzNo changes (it brings the loco window up).
  std::function<void()> onChange;

 private:
  void hsbLenzNo_Change();

  Session& session_;
  ToolbarFrame* fraLenzNo_;
  DccLink& dcc_;
  QScrollBar* hsbLenzNo_;
  ImageButton* left_;
  ImageButton* right_;
};

}  // namespace kv
