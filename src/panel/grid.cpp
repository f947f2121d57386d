#include "panel/grid.h"

#include <QScrollBar>

#include "panel/grid_item.h"
#include "panel/image_button.h"
#include "panel/panel_texts.h"
#include "panel/toolbar_frame.h"

namespace kv {

Grid::Grid(GridItem& linGrid, ImageButton* imgBtnGrid, ToolbarFrame* fraBtnGrid,
           QScrollBar* hsbGrid, QObject* parent)
    : QObject(parent),
      linGrid_(linGrid),
      imgBtnGrid_(imgBtnGrid),
      fraBtnGrid_(fraBtnGrid),
      hsbGrid_(hsbGrid) {
  hsbGrid_->setRange(5, 50);
  hsbGrid_->setSingleStep(1);
  hsbGrid_->setPageStep(5);
  hsbGrid_->setValue(5);
  hsbGrid_->hide();
  // The frame shows the spacing from the start, not only once it first changes.
  fraBtnGrid_->setTitle(texts::GridCaption(hsbGrid_->value()));
  connect(hsbGrid_, &QScrollBar::valueChanged, this, &Grid::hsbGrid_Change);
  connect(imgBtnGrid_, &ImageButton::mouseUp, this, &Grid::imgBtnGrid_MouseUp);
}

void Grid::DrawGrid() {
  for (GridLineNo = 1; GridLineNo <= GridItem::kLines; ++GridLineNo) {
    if (GridOn) {
      ShowGridLine();
      PlaceGridLine();
    } else {
      HideGridLine();
    }
  }
  GridLoadPending = false;
}

void Grid::ShowGridLine() {
  hsbGrid_->show();
  if (GridLoadPending) linGrid_.Load(GridLineNo);
}

void Grid::HideGridLine() {
  // A line that is not loaded is passed over.
  linGrid_.Unload(GridLineNo);
  hsbGrid_->hide();
}

void Grid::PlaceGridLine() {
  SetGridLineWeight();
  if (GridLineNo >= kFirstVertical) {
    GridLinePos = (GridLineNo - kFirstVertical) * kSquare;
    linGrid_.Place(GridLineNo, QLineF(GridLinePos, 0, GridLinePos, kVerticalEnd));
  } else {
    GridLinePos = GridLineNo * kSquare;
    linGrid_.Place(GridLineNo, QLineF(0, GridLinePos, kHorizontalEnd, GridLinePos));
  }
  linGrid_.SetVisible(GridLineNo, true);
}

void Grid::SetGridLineWeight() {
  ++GridWeightCount;
  if (GridWeightCount == hsbGrid_->value()) {
    GridWeightCount = 0;
    linGrid_.SetBorderWidth(GridLineNo, 2);
  } else if (GridWeightCount > 254) {
    // Past a lowered spacing the count wraps here; the line keeps the width it had.
    GridWeightCount = 0;
  } else {
    linGrid_.SetBorderWidth(GridLineNo, 1);
  }
}

void Grid::imgBtnGrid_MouseUp(Qt::MouseButton) {
  GridOn = !GridOn;
  if (GridOn) GridLoadPending = true;
  const QCursor cursor = imgBtnGrid_->cursor();
  imgBtnGrid_->setCursor(Qt::WaitCursor);
  DrawGrid();
  imgBtnGrid_->setCursor(cursor);
}

void Grid::hsbGrid_Change() {
  fraBtnGrid_->setTitle(texts::GridCaption(hsbGrid_->value()));
  DrawGrid();
}

}  // namespace kv
