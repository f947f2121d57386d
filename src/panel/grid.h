#pragma once

#include <QObject>
#include <cstdint>

class QScrollBar;

namespace kv {

class GridItem;
class ImageButton;
class ToolbarFrame;

// The grid of squares: 1045 lines, 75 twips apart, shown and hidden with the grid button, every
// n-th line heavy where n is hsbGrid's value. The count of lines since the last heavy one runs
// on across the horizontal and vertical lines and from one drawing to the next.
class Grid : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSquare = 75;  // twips
  static constexpr int kFirstVertical = 500;
  static constexpr int kHorizontalEnd = 43300;
  static constexpr int kVerticalEnd = 35000;

  // `hsbGrid` is set to its range (5 to 50, start 5) and hidden until the grid shows;
  // `fraBtnGrid` reads "squares  5".
  Grid(GridItem& linGrid, ImageButton* imgBtnGrid, ToolbarFrame* fraBtnGrid, QScrollBar* hsbGrid,
       QObject* parent = nullptr);

  void DrawGrid();
  void ShowGridLine();
  void PlaceGridLine();
  void SetGridLineWeight();
  void HideGridLine();
  void imgBtnGrid_MouseUp(Qt::MouseButton button);
  void hsbGrid_Change();

  bool GridOn = false;
  bool GridLoadPending = false;
  int GridLineNo = 0;
  std::uint8_t GridWeightCount = 0;
  int GridLinePos = 0;

 private:
  GridItem& linGrid_;
  ImageButton* imgBtnGrid_;
  ToolbarFrame* fraBtnGrid_;
  QScrollBar* hsbGrid_;
};

}  // namespace kv
