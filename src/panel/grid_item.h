#pragma once

#include <QGraphicsItem>
#include <QLineF>
#include <array>

namespace kv {

// linGrid: the grid's 1045 line controls, kept as one item that draws them all. Each line can be
// loaded, placed, given a width and unloaded on its own, as a control array element can; only
// the drawing is shared, so showing the grid costs one item rather than a thousand.
class GridItem : public QGraphicsItem {
 public:
  static constexpr int kLines = 1045;
  static constexpr std::int32_t kColour = 0xC0C0C0;  // light grey

  GridItem();

  // Loading a loaded line is refused (false), as is unloading one that is not loaded.
  bool Load(int i);
  bool Unload(int i);
  bool IsLoaded(int i) const;
  int LoadedCount() const { return loaded_; }

  void Place(int i, const QLineF& line);
  QLineF Line(int i) const;
  void SetVisible(int i, bool visible);
  bool IsVisible(int i) const;
  void SetBorderWidth(int i, int pixels);
  int BorderWidth(int i) const;

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
             QWidget* widget) override;

 private:
  struct GridLine {
    bool loaded = false;
    bool visible = false;
    int width = 1;
    QLineF line;
  };
  bool Valid(int i) const { return i >= 1 && i <= kLines; }
  void Changed();

  std::array<GridLine, kLines + 1> lines_{};
  int loaded_ = 0;
};

}  // namespace kv
