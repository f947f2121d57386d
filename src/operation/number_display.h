#pragma once

#include <QObject>

class QLabel;

namespace kv {

class ImageButton;
class Panel;
class Session;
class ToolbarFrame;

// fraBtnNo and lblCount: what the panel shows of the numbers. The three stacked pictures
// imgBtnNo 0 to 2 take turns: 0 shows the points labels, 1 hides them and shows every track
// number, 2 puts the track numbers back under lblCount's switch. lblCount shows the number the
// next track unit will get; a click on it shows or hides the track numbers.
class NumberDisplay : public QObject {
  Q_OBJECT

 public:
  // `window` is where fraInfo is looked for.
  NumberDisplay(Session& session, Panel& panel, QWidget* window, QWidget* parent);

  ToolbarFrame* fraBtnNo() const { return fraBtnNo_; }
  ImageButton* imgBtnNo(int index) const { return imgBtnNo_[index]; }
  QLabel* lblCoil() const { return lblCoil_; }
  QLabel* lblCount() const { return lblCount_; }

  void imgBtnNo_MouseDown(int index);
  void lblCount_Click();
  // The points labels shown when any of them is hidden, else all hidden.
  void TogglePointsNumbers();
  // Every track unit's number placed again, shown or hidden as ClickRole and ShowNumbers say.
  void RefreshTrackNumbers();
  // The track numbers switched off (before the mode changes).
  void HideTrackNumbers();

 signals:
  // The mouse moved over one of the pictures.
  void mouseMoved();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetCoil(const QString& caption, int colour, bool bold);
  void BringInfoToFront(bool front);

  Session& session_;
  Panel& panel_;
  QWidget* window_;
  ToolbarFrame* fraBtnNo_;
  ImageButton* imgBtnNo_[3] = {};
  QLabel* lblCoil_;
  QLabel* lblCount_;
};

}  // namespace kv
