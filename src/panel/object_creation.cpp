#include "panel/object_creation.h"

#include <QFileInfo>
#include <QImageReader>
#include <QScrollBar>
#include <QWidget>

#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/object_readers.h"
#include "layout/picture_files.h"
#include "layout/record_codec.h"
#include "panel/image_button.h"
#include "panel/object_tables.h"
#include "panel/order_check_box.h"
#include "panel/panel_area.h"
#include "panel/panel_editor.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
// A text image.txt can hold; otherwise *reason says why not.
bool Storable(const QString& text, QString* reason) {
  RecordWriter record;
  record.Str(text);
  *reason = record.Error();
  return record.Ok();
}
}  // namespace

bool RefuseAtLimit(Session& session, PanelObject kind) {
  if (CountOf(session.model, kind) < kMaxObjects) return false;
  session.dialogs.MessageBox(texts::ObjectLimitReached(KindName(kind)), msg::kInformation,
                             texts::ObjectLimitTitle(KindName(kind)));
  return true;
}

ObjectCreation::ObjectCreation(Session& session, PanelArea& area, PanelEditor& editor,
                               QWidget& window, QObject* parent)
    : QObject(parent), session_(session), area_(area), editor_(editor), window_(window) {
  const struct {
    const char* name;
    void (ObjectCreation::*handler)(Qt::MouseButton);
  } buttons[] = {{"imgBtnTrk", &ObjectCreation::imgBtnTrk_MouseUp},
                 {"imgBtnAws", &ObjectCreation::imgBtnAws_MouseUp},
                 {"imgBtnImg", &ObjectCreation::imgBtnImg_MouseUp}};
  for (const auto& b : buttons) {
    if (auto* button = window.findChild<ImageButton*>(QLatin1String(b.name))) {
      connect(button, &ImageButton::mouseUp, this, b.handler);
    }
  }
}

bool ObjectCreation::Modifying() const {
  return session_.model.ProgMode == kModify;
}

QPointF ObjectCreation::Visible() const {
  return area_.picScreen().Origin();
}

int ObjectCreation::NewGauge() const {
  const int gauge = session_.model.CurGauge;
  if (gauge >= kMinGauge && gauge <= kMaxGauge) return gauge;
  const auto* bar = window_.findChild<QScrollBar*>(QStringLiteral("vsbGauge"));
  return bar ? bar->value() : kMaxGauge;
}

// --- track units ----------------------------------------------------------------------------

void ObjectCreation::imgBtnTrk_MouseUp(Qt::MouseButton button) {
  if (!Modifying()) return;
  area_.picScreen().viewport()->setCursor(Qt::CrossCursor);
  if (button != Qt::LeftButton || RefuseAtLimit(session_, PanelObject::kTrackNumber)) return;
  LayoutModel& m = session_.model;
  const int k = m.TrackCount + 1;
  m.NewTrackIdx = static_cast<std::uint8_t>(k);
  m.TrackGauge[k] = static_cast<std::uint8_t>(NewGauge());
  m.TrackCount = m.NewTrackIdx;
  m.ObjIdx = m.NewTrackIdx;
  CreateTrackUnit();
  area_.picScreen().PlaceTrackNumber(k);
  editor_.Created(PanelObject::kTrackNumber, k);
}

void ObjectCreation::CreateTrackUnit() {
  LayoutModel& m = session_.model;
  const int k = m.NewTrackIdx;
  const QPointF from = Visible() + kTrackStart;
  const QPointF to = Visible() + kTrackEnd;
  Panel& panel = area_.picScreen();
  panel.LoadTrack(k, {from.x(), from.y(), to.x(), to.y()}, m.TrackGauge[k]);
  // A new unit lies in front of what is there: its outer line, then its core above it.
  panel.BringToFront(panel.linBlack(k));
  panel.BringToFront(panel.linColor(k));
  m.TrackName[k] = QStringLiteral("track %1").arg(k);
}

// --- sensors --------------------------------------------------------------------------------

void ObjectCreation::imgBtnAws_MouseUp(Qt::MouseButton) {
  if (!Modifying() || RefuseAtLimit(session_, PanelObject::kSensor)) return;
  CreateSensor();
}

void ObjectCreation::CreateSensor() {
  LayoutModel& m = session_.model;
  // The next number after the highest, whichever box was clicked last.
  const int k = m.SensorCount + 1;
  m.SensorIdx = static_cast<std::uint8_t>(k);
  m.SensorCount = m.SensorIdx;
  const QPointF at = Visible() + kSensor;
  area_.picScreen().LoadSensor(k, at.x(), at.y());
  editor_.Created(PanelObject::kSensor, k);
}

// --- pictures -------------------------------------------------------------------------------

QString ObjectCreation::TakePicture(const QString& chosen) {
  const ProgramFolder& folder = session_.folder;
  QString stored = StoredPicturePath(folder, chosen);
  const bool inside = !stored.isEmpty();
  if (!inside) {
    const QString pictures = PicturesFolder(folder);
    const int answer =
        session_.dialogs.MessageBox(texts::CopyPicture(chosen, pictures),
                                    msg::kYesNo | msg::kQuestion, texts::CopyPictureTitle());
    if (answer != msg::kYes) return {};
    stored = PicturesFolderStored() + QLatin1Char('\\') + PictureCopyName(folder, chosen);
  }
  // A cut path names no file: a path too long for the record is refused, before any copy; so is
  // one the record cannot hold, which no save could write.
  QString reason;
  if (stored.size() > kMaxPicturePath || !Storable(stored, &reason)) {
    const QString text = reason.isEmpty() ? texts::PicturePathTooLong(stored)
                                          : texts::PicturePathNotStorable(reason);
    session_.dialogs.MessageBox(text, msg::kInformation, texts::PicturePathTooLongTitle());
    return {};
  }
  QImageReader reader(chosen);
  if (reader.read().isNull()) {
    session_.dialogs.MessageBox(
        texts::PictureNotLoaded(texts::PictureUnreadable(chosen, reader.errorString())),
        msg::kInformation, texts::FetchPictureTitle());
    return {};
  }
  if (inside) return stored;
  QString error;
  const QString copy = CopyIntoPictures(folder, chosen, &error);
  if (copy.isEmpty()) {
    session_.dialogs.MessageBox(texts::PictureNotCopied(chosen, error), msg::kInformation,
                                texts::CopyPictureTitle());
    return {};
  }
  return StoredPicturePath(folder, copy);
}

void ObjectCreation::imgBtnImg_MouseUp(Qt::MouseButton) {
  if (!Modifying() || RefuseAtLimit(session_, PanelObject::kImage)) return;
  LayoutModel& m = session_.model;
  const std::uint8_t before = m.ImageIdx;
  const int k = m.ImageCount + 1;
  m.ImageIdx = static_cast<std::uint8_t>(k);
  // FetchPicture
  const QString chosen = session_.dialogs.OpenFileName(
      texts::FetchPictureTitle(), texts::BitmapFilter(), 1, PicturesFolder(session_.folder));
  const QString stored = chosen.isEmpty() ? QString() : TakePicture(chosen);
  if (stored.isEmpty()) {
    m.ImageIdx = before;
    return;
  }
  ShowMessage(session_, 1);  // the tool-tip, into ImageTip(ImageIdx)
  QString reason;
  while (!Storable(m.ImageTip[k], &reason)) {
    session_.dialogs.MessageBox(texts::PictureTipNotStorable(reason), msg::kInformation,
                                texts::PictureTipNotStorableTitle());
    ShowMessage(session_, 1);
  }
  // PlacePicture
  const auto* order = window_.findChild<OrderCheckBox*>(QStringLiteral("chkOrder"));
  const bool onTop = order && order->Superimpose();
  const QPointF at = Visible() + kPicture;
  area_.picScreen().LoadImage(k, stored, m.ImageTip[k], at.x(), at.y(), onTop, nullptr);
  m.ImagePicture[k] = stored;
  m.ImageOnTop[k] = onTop;
  m.ImageCount = m.ImageIdx;
  m.ImageSel[k] = true;
  editor_.Created(PanelObject::kImage, k);
}

}  // namespace kv
