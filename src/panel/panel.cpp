#include "panel/panel.h"

#include <QGraphicsScene>
#include <QMouseEvent>

#include "base/session.h"
#include "layout/twips.h"
#include "panel/grid_item.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
// Text boxes are windows of their own and lie above every line, label and picture.
constexpr double kWindowedLayer = 1e9;
// The track numbers, while they show, lie above every other drawing, so they can be read and
// clicked wherever their unit lies.
constexpr double kNumberLayer = 5e8;

double LayerOf(const QGraphicsItem* item) {
  switch (ItemKind(item)) {
    case PanelObject::kSensor:
      return kWindowedLayer;
    case PanelObject::kTrackNumber:
      return kNumberLayer;
    default:
      return 0;
  }
}
// The number labels of the track units: small, on a pale yellow box that stands out from track.
constexpr int kTrackNumberPoints = 8;

bool ValidIndex(int i) { return i >= 1 && i <= kMaxObjects; }

// "\stick\engine shed.bmp" -> "engine shed.bmp".
QString StoredFileName(const QString& path) {
  const qsizetype slash =
      qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
  return path.mid(slash + 1);
}
}  // namespace

Panel::Panel(Session& session, QWidget* parent)
    : QGraphicsView(parent), session_(session), scene_(new QGraphicsScene(this)) {
  setObjectName(QStringLiteral("picScreen"));
  setScene(scene_);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFrameShape(QFrame::NoFrame);
  setBackgroundBrush(Qt::white);
  setRenderHint(QPainter::TextAntialiasing);
  setMouseTracking(true);
  // The scene is in twips; the view shows 15 of them to a pixel.
  setTransform(QTransform::fromScale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel));
  // The scene never grows its index over a thousand moving items; a flat list is quicker.
  scene_->setItemIndexMethod(QGraphicsScene::NoIndex);
  // Every control sets the pen, brush and font it draws with; saving the painter's state around
  // each of a thousand controls is the dearest part of a repaint after drawing them.
  setOptimizationFlag(QGraphicsView::DontSavePainterState);
  // Working out the least area to repaint costs more than repainting the whole panel once
  // hundreds of objects move together, and a whole repaint is quick.
  setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
  grid_ = new GridItem;
  scene_->addItem(grid_);
  UpdateSceneRect();
}

Panel::~Panel() = default;

template <typename T>
T* Panel::At(const std::array<T*, 256>& table, int i) {
  return ValidIndex(i) ? table[i] : nullptr;
}

template <typename T>
T* Panel::Take(std::array<T*, 256>& table, int i) {
  // A new control in place of any earlier one of that number.
  delete table[i];
  table[i] = new T;
  scene_->addItem(table[i]);
  return table[i];
}

// --- building objects -----------------------------------------------------------------------

void Panel::LoadTrack(int i, const TrackEnds& ends, int gauge) {
  if (!ValidIndex(i)) return;
  LineControl* outer = Take(linBlack_, i);
  outer->SetEnds(ends.x1, ends.y1, ends.x2, ends.y2);
  outer->SetBorderWidth(gauge);
  outer->SetBorderStyle(gauge == 1 ? LineControl::kDash : LineControl::kSolid);
  SendToBack(outer);

  LineControl* inner = Take(linColor_, i);
  inner->SetEnds(ends.x1, ends.y1, ends.x2, ends.y2);
  if (gauge == 1) {
    // A tunnel: both lines dashed alike. Its core rests black, as a cleared route leaves it;
    // a white core would cover the outer dashes and hide the unit on the white panel.
    inner->SetBorderWidth(1);
    inner->SetBorderStyle(LineControl::kDash);
    inner->SetBorderColor(kBlack);
  } else {
    inner->SetBorderWidth(qMax(1, gauge - 2));
    inner->SetBorderColor(kWhite);
  }
  BringToFront(inner);

  LabelControl* number = Take(lblTrk_, i);
  MarkItem(number, PanelObject::kTrackNumber, i);
  QFont font = number->font();
  font.setPointSize(kTrackNumberPoints);
  font.setBold(true);
  number->setFont(font);
  number->SetBackColor(kTrackNumberBack);
  number->SetCaption(QString::number(i));
  number->setToolTip(QString::number(i));
  number->setPos((ends.x1 + ends.x2) / 2, (ends.y1 + ends.y2) / 2);
  number->hide();
  trackRepaints_[i] = 0;
}

ImageControl* Panel::MakePicture(PanelObject kind, int i, const QString& picturePath,
                                 QString* error, bool* loaded) {
  ImageControl* image = Take(kind == PanelObject::kImage ? imgImage_ : imgSig_, i);
  MarkItem(image, kind, i);
  *loaded = image->LoadPicture(PicturePath(picturePath), error);
  if (!*loaded) {
    // A picture names its missing file; a signal stays a small box beside its track.
    image->ShowMissing(kind == PanelObject::kImage ? StoredFileName(picturePath) : QString());
  }
  return image;
}

bool Panel::LoadImage(int i, const QString& picturePath, const QString& toolTip, double x,
                      double y, bool onTop, QString* error) {
  if (!ValidIndex(i)) {
    if (error) *error = texts::ObjectNumberOutOfRange(i);
    return false;
  }
  bool loaded = false;
  ImageControl* image = MakePicture(PanelObject::kImage, i, picturePath, error, &loaded);
  image->setToolTip(toolTip);
  image->setPos(x, y);
  if (onTop) {
    BringToFront(image);
  } else {
    SendToBack(image);
  }
  return loaded;
}

void Panel::LoadLabel(int i, const LabelLook& look, double x, double y) {
  if (!ValidIndex(i)) return;
  LabelControl* label = Take(label_, i);
  MarkItem(label, PanelObject::kLabel, i);
  QFont font;
  if (!look.fontName.isEmpty()) font.setFamily(look.fontName);
  font.setPointSize(look.fontSize > 0 ? look.fontSize : 8);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  font.setUnderline(look.underline);
  label->setFont(font);
  label->SetCaption(look.text);
  label->SetForeColor(look.colour);
  label->setToolTip(look.text);
  label->setPos(x, y);
  BringToFront(label);
  // Points labels stay hidden until the points numbers are shown.
  label->setVisible(look.colour != kRed);
}

bool Panel::LoadSignal(int i, const QString& picturePath, const QString& coilA,
                       const QString& coilB, double x, double y, QString* error) {
  if (!ValidIndex(i)) {
    if (error) *error = texts::ObjectNumberOutOfRange(i);
    return false;
  }
  bool loaded = false;
  ImageControl* signal = MakePicture(PanelObject::kSignal, i, picturePath, error, &loaded);
  signal->setToolTip(coilA);
  signal->SetTag(coilB);
  signal->setPos(x, y);
  BringToFront(signal);
  return loaded;
}

void Panel::LoadSensor(int i, double x, double y) {
  if (!ValidIndex(i)) return;
  SensorBox* sensor = Take(txtAws_, i);
  MarkItem(sensor, PanelObject::kSensor, i);
  sensor->setToolTip(QStringLiteral("sensor ") + QString::number(i));
  sensor->setPos(x, y);
  BringToFront(sensor);
}

bool Panel::SetSignalPicture(int i, const QString& picturePath, QString* error) {
  ImageControl* signal = imgSig(i);
  if (!signal) {
    if (error) *error = texts::ObjectNumberOutOfRange(i);
    return false;
  }
  return signal->LoadPicture(PicturePath(picturePath), error);
}

QString Panel::PicturePath(const QString& picturePath) const {
  if (picturePath.startsWith(QLatin1Char('\\'))) return session_.folder.Resolve(picturePath);
  return picturePath;
}

// --- removing objects -----------------------------------------------------------------------

template <typename T>
void Panel::Drop(std::array<T*, 256>& table, int i) {
  if (!ValidIndex(i)) return;
  delete table[i];
  table[i] = nullptr;
}

void Panel::UnloadTrack(int i) {
  Drop(linBlack_, i);
  Drop(linColor_, i);
  Drop(lblTrk_, i);
  if (ValidIndex(i)) trackRepaints_[i] = 0;
}

void Panel::UnloadImage(int i) { Drop(imgImage_, i); }
void Panel::UnloadLabel(int i) { Drop(label_, i); }
void Panel::UnloadSignal(int i) { Drop(imgSig_, i); }
void Panel::UnloadSensor(int i) { Drop(txtAws_, i); }

void Panel::Clear() {
  for (int i = 1; i <= kMaxObjects; ++i) {
    UnloadTrack(i);
    UnloadImage(i);
    UnloadLabel(i);
    UnloadSignal(i);
    UnloadSensor(i);
  }
  pressed_ = {};
}

// --- editing --------------------------------------------------------------------------------

QGraphicsItem* Panel::ObjectControl(PanelObject kind, int i) const {
  switch (kind) {
    case PanelObject::kTrackNumber:
      return lblTrk(i);
    case PanelObject::kLabel:
      return Label(i);
    case PanelObject::kImage:
      return imgImage(i);
    case PanelObject::kSignal:
      return imgSig(i);
    case PanelObject::kSensor:
      return txtAws(i);
    case PanelObject::kNone:
      break;
  }
  return nullptr;
}

QPointF Panel::TopLeft(PanelObject kind, int i) const {
  const QGraphicsItem* item = ObjectControl(kind, i);
  return item ? item->pos() : QPointF();
}

void Panel::SetTopLeft(PanelObject kind, int i, const QPointF& at) {
  if (kind == PanelObject::kTrackNumber) return;
  if (QGraphicsItem* item = ObjectControl(kind, i)) item->setPos(at);
}

void Panel::SetTrackEnds(int i, const TrackEnds& ends) {
  if (LineControl* inner = linColor(i)) inner->SetEnds(ends.x1, ends.y1, ends.x2, ends.y2);
  if (LineControl* outer = linBlack(i)) outer->SetEnds(ends.x1, ends.y1, ends.x2, ends.y2);
}

template <typename T>
std::unique_ptr<QGraphicsItem> Panel::Off(std::array<T*, 256>& table, int i) {
  if (!ValidIndex(i) || !table[i]) return nullptr;
  std::unique_ptr<QGraphicsItem> item(table[i]);
  table[i] = nullptr;
  scene_->removeItem(item.get());
  return item;
}

template <typename T>
void Panel::On(std::array<T*, 256>& table, int i, std::unique_ptr<QGraphicsItem> item) {
  if (!item) return;
  table[i] = static_cast<T*>(item.release());
  scene_->addItem(table[i]);
}

template <typename T>
void Panel::Shift(std::array<T*, 256>& table, int from, int to) {
  table[to] = table[from];
  table[from] = nullptr;
}

DetachedControls Panel::Detach(PanelObject kind, int i) {
  DetachedControls out;
  out.kind_ = kind;
  switch (kind) {
    case PanelObject::kTrackNumber:
      out.items_[0] = Off(lblTrk_, i);
      out.items_[1] = Off(linBlack_, i);
      out.items_[2] = Off(linColor_, i);
      if (ValidIndex(i)) trackRepaints_[i] = 0;
      break;
    case PanelObject::kLabel:
      out.items_[0] = Off(label_, i);
      break;
    case PanelObject::kImage:
      out.items_[0] = Off(imgImage_, i);
      break;
    case PanelObject::kSignal:
      out.items_[0] = Off(imgSig_, i);
      break;
    case PanelObject::kSensor:
      out.items_[0] = Off(txtAws_, i);
      break;
    case PanelObject::kNone:
      break;
  }
  return out;
}

void Panel::Attach(int i, DetachedControls controls) {
  const PanelObject kind = controls.kind_;
  if (!ValidIndex(i) || controls.IsEmpty() || ObjectControl(kind, i)) return;
  auto& items = controls.items_;
  switch (kind) {
    case PanelObject::kTrackNumber:
      On(lblTrk_, i, std::move(items[0]));
      On(linBlack_, i, std::move(items[1]));
      On(linColor_, i, std::move(items[2]));
      break;
    case PanelObject::kLabel:
      On(label_, i, std::move(items[0]));
      break;
    case PanelObject::kImage:
      On(imgImage_, i, std::move(items[0]));
      break;
    case PanelObject::kSignal:
      On(imgSig_, i, std::move(items[0]));
      break;
    case PanelObject::kSensor:
      On(txtAws_, i, std::move(items[0]));
      break;
    case PanelObject::kNone:
      return;
  }
  Number(kind, i);
}

void Panel::Renumber(PanelObject kind, int from, int to) {
  if (!ValidIndex(from) || !ValidIndex(to) || !ObjectControl(kind, from) ||
      ObjectControl(kind, to)) {
    return;
  }
  switch (kind) {
    case PanelObject::kTrackNumber:
      Shift(lblTrk_, from, to);
      Shift(linBlack_, from, to);
      Shift(linColor_, from, to);
      trackRepaints_[to] = trackRepaints_[from];
      trackRepaints_[from] = 0;
      break;
    case PanelObject::kLabel:
      Shift(label_, from, to);
      break;
    case PanelObject::kImage:
      Shift(imgImage_, from, to);
      break;
    case PanelObject::kSignal:
      Shift(imgSig_, from, to);
      break;
    case PanelObject::kSensor:
      Shift(txtAws_, from, to);
      break;
    case PanelObject::kNone:
      return;
  }
  Number(kind, to);
}

void Panel::Number(PanelObject kind, int i) {
  QGraphicsItem* item = ObjectControl(kind, i);
  if (!item) return;
  MarkItem(item, kind, i);
  if (kind == PanelObject::kSensor) {
    item->setToolTip(QStringLiteral("sensor ") + QString::number(i));
  } else if (kind == PanelObject::kTrackNumber) {
    lblTrk(i)->SetCaption(QString::number(i));
    item->setToolTip(QString::number(i));
  }
}

void Panel::KeepAsSaved(PanelObject kind, int i) {
  QGraphicsItem* item = ObjectControl(kind, i);
  if (!item) return;
  if (kind == PanelObject::kTrackNumber) {
    const TrackEnds e = TrackPosition(i);
    SetSavedPlace(item, QLineF(e.x1, e.y1, e.x2, e.y2));
  } else {
    SetSavedPlace(item, QLineF(item->pos(), item->pos()));
  }
}

std::optional<TrackEnds> Panel::SavedPlace(PanelObject kind, int i) const {
  const QGraphicsItem* item = ObjectControl(kind, i);
  const std::optional<QLineF> place = item ? SavedPlaceOf(item) : std::nullopt;
  if (!place) return std::nullopt;
  return TrackEnds{place->x1(), place->y1(), place->x2(), place->y2()};
}

// --- positions ------------------------------------------------------------------------------

TrackEnds Panel::TrackPosition(int i) const {
  const LineControl* line = linBlack(i);
  if (!line) return {};
  return {line->X1(), line->Y1(), line->X2(), line->Y2()};
}

QPointF Panel::ImagePosition(int i) const {
  const ImageControl* image = imgImage(i);
  return image ? image->pos() : QPointF();
}

QPointF Panel::LabelPosition(int i) const {
  const LabelControl* label = Label(i);
  return label ? label->pos() : QPointF();
}

QPointF Panel::SignalPosition(int i) const {
  const ImageControl* signal = imgSig(i);
  return signal ? signal->pos() : QPointF();
}

QPointF Panel::SensorPosition(int i) const {
  const SensorBox* sensor = txtAws(i);
  return sensor ? sensor->pos() : QPointF();
}

void Panel::SetTemplateGauge(int gauge) {
  templateOuter_ = qMax(1, gauge);
  templateInner_ = qMax(1, gauge - 2);
}

LineControl* Panel::linBlack(int i) const { return At(linBlack_, i); }
LineControl* Panel::linColor(int i) const { return At(linColor_, i); }
LabelControl* Panel::lblTrk(int i) const { return At(lblTrk_, i); }
LabelControl* Panel::Label(int i) const { return At(label_, i); }
ImageControl* Panel::imgImage(int i) const { return At(imgImage_, i); }
ImageControl* Panel::imgSig(int i) const { return At(imgSig_, i); }
SensorBox* Panel::txtAws(int i) const { return At(txtAws_, i); }

// --- stacking -------------------------------------------------------------------------------

void Panel::BringToFront(QGraphicsItem* item) {
  if (item) item->setZValue(LayerOf(item) + ++front_);
}

void Panel::SendToBack(QGraphicsItem* item) {
  if (item) item->setZValue(LayerOf(item) + --back_);
}

// --- track numbers and repaint --------------------------------------------------------------

void Panel::PlaceTrackNumber(int k) {
  LabelControl* number = lblTrk(k);
  const LineControl* line = linColor(k) ? linColor(k) : linBlack(k);
  if (!number || !line) return;
  number->setPos((line->X1() + line->X2()) / 2, (line->Y1() + line->Y2()) / 2);
  const LayoutModel& m = session_.model;
  if (m.ClickRole == 1 || m.ShowNumbers) {
    number->SetCaption(QString::number(k));
    // Brought to the front as it shows; in its layer it stays there while it moves.
    if (!number->isVisible()) BringToFront(number);
    number->show();
  } else {
    number->hide();
  }
}

bool Panel::IsTrackColour(std::int32_t colour) {
  switch (colour) {
    case 0x000000:  // black
    case 0x0000FF:  // red
    case 0x00FF00:  // green
    case 0x00FFFF:  // yellow
    case 0xFF0000:  // blue
    case 0xFF00FF:  // magenta
    case 0xFFFF00:  // cyan
      return true;
    default:
      return false;
  }
}

void Panel::RepaintTrackLines() {
  for (int i = 1; i <= session_.model.TrackCount; ++i) {
    LineControl* outer = linBlack(i);
    if (!outer || !IsTrackColour(outer->BorderColor())) continue;
    const std::int32_t colour = outer->BorderColor();
    outer->SetBorderColor(kWhite);
    outer->SetBorderColor(colour);
    if (LineControl* inner = linColor(i)) inner->update();
    ++trackRepaints_[i];
  }
}

int Panel::TrackRepaints(int i) const { return ValidIndex(i) ? trackRepaints_[i] : 0; }

// --- sliding --------------------------------------------------------------------------------

void Panel::SetOrigin(double x, double y) {
  origin_ = QPointF(x, y);
  UpdateSceneRect();
}

void Panel::UpdateSceneRect() {
  // The scene rectangle is exactly the visible part, so the view puts `origin_` at its top
  // left corner and never scrolls by itself.
  const QSize size = viewport()->size();
  setSceneRect(QRectF(origin_, QSizeF(size.width(), size.height()) * kTwipsPerPixel));
}

void Panel::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  UpdateSceneRect();
}

// --- mouse ----------------------------------------------------------------------------------

QGraphicsItem* Panel::ObjectAt(const QPoint& viewportPos) const {
  // items() lists the topmost first.
  for (QGraphicsItem* item : items(viewportPos)) {
    if (item->isVisible() && ItemKind(item) != PanelObject::kNone) return item;
  }
  return nullptr;
}

QPointF Panel::ToTwips(const QPointF& viewportPos) const {
  return viewportTransform().inverted().map(viewportPos);
}

void Panel::mousePressEvent(QMouseEvent* event) {
  if (QGraphicsItem* item = ObjectAt(event->position().toPoint())) {
    pressed_ = {ItemKind(item), ItemIndex(item)};
    emit objectMouseDown(pressed_.kind, pressed_.index, event->button());
  } else {
    pressed_ = {};
    emit screenMouseDown(event->button(), ToTwips(event->position()));
  }
}

void Panel::mouseMoveEvent(QMouseEvent* event) {
  // While a button is held the moves go where it went down; otherwise to what is underneath.
  Pressed target = pressed_;
  if (event->buttons() == Qt::NoButton) {
    const QGraphicsItem* item = ObjectAt(event->position().toPoint());
    target = item ? Pressed{ItemKind(item), ItemIndex(item)} : Pressed{};
  }
  if (target.kind != PanelObject::kNone) {
    emit objectMouseMove(target.kind, target.index, event->buttons());
  } else {
    emit screenMouseMove(event->buttons(), ToTwips(event->position()));
  }
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
  const Pressed target = pressed_;
  if (event->buttons() == Qt::NoButton) pressed_ = {};
  if (target.kind != PanelObject::kNone) {
    emit objectMouseUp(target.kind, target.index, event->button());
  } else {
    emit screenMouseUp(event->button(), ToTwips(event->position()));
  }
}

void Panel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (QGraphicsItem* item = ObjectAt(event->position().toPoint())) {
    pressed_ = {ItemKind(item), ItemIndex(item)};
    emit objectDoubleClick(pressed_.kind, pressed_.index, event->button());
  } else {
    mousePressEvent(event);
  }
}

}  // namespace kv
