#include "panel/object_tables.h"

namespace kv {

std::uint8_t& CountOf(LayoutModel& m, PanelObject kind) {
  switch (kind) {
    case PanelObject::kSensor:
      return m.SensorCount;
    case PanelObject::kLabel:
      return m.LabelCount;
    case PanelObject::kImage:
      return m.ImageCount;
    case PanelObject::kSignal:
      return m.SignalCount;
    default:
      return m.TrackCount;
  }
}

ObjectTable<bool>& SelectionOf(LayoutModel& m, PanelObject kind) {
  switch (kind) {
    case PanelObject::kSensor:
      return m.SensorSel;
    case PanelObject::kLabel:
      return m.LabelSel;
    case PanelObject::kImage:
      return m.ImageSel;
    case PanelObject::kSignal:
      return m.SignalOff;
    default:
      return m.TrackSel;
  }
}

std::uint8_t& LastClickedOf(LayoutModel& m, PanelObject kind) {
  switch (kind) {
    case PanelObject::kSensor:
      return m.SensorIdx;
    case PanelObject::kLabel:
      return m.LabelIdx;
    case PanelObject::kImage:
      return m.ImageIdx;
    case PanelObject::kSignal:
      return m.SigIdx;
    default:
      return m.NewTrackIdx;
  }
}

QString FileOf(const LayoutModel& m, PanelObject kind) {
  switch (kind) {
    case PanelObject::kSensor:
      return m.SensorFile;
    case PanelObject::kLabel:
      return m.LabelFile;
    case PanelObject::kImage:
      return m.ImageFile;
    case PanelObject::kSignal:
      return m.SignalFile;
    default:
      return m.TrackFile;
  }
}

QString KindName(PanelObject kind) {
  switch (kind) {
    case PanelObject::kSensor:
      return QStringLiteral("sensors");
    case PanelObject::kLabel:
      return QStringLiteral("labels");
    case PanelObject::kImage:
      return QStringLiteral("pictures");
    case PanelObject::kSignal:
      return QStringLiteral("signals");
    default:
      return QStringLiteral("track units");
  }
}

ObjectRecord RecordOf(const LayoutModel& m, PanelObject kind, int i) {
  ObjectRecord r;
  switch (kind) {
    case PanelObject::kImage:
      r.text[0] = m.ImageTip[i];
      r.text[1] = m.ImagePicture[i];
      r.flag[0] = m.ImageOnTop[i];
      break;
    case PanelObject::kLabel:
      r.text[0] = m.LabelText[i];
      r.text[1] = m.LabelFontName[i];
      r.number[0] = m.LabelColour[i];
      r.number[1] = m.LabelFontSize[i];
      r.flag[0] = m.LabelBold[i];
      r.flag[1] = m.LabelItalic[i];
      r.flag[2] = m.LabelUnderline[i];
      break;
    case PanelObject::kSignal:
      r.text[0] = m.SignalCoilA[i];
      r.text[1] = m.SignalCoilB[i];
      r.text[2] = m.SignalPicture[i];
      r.text[3] = m.StoredAspect[i];
      break;
    case PanelObject::kTrackNumber:
      r.text[0] = m.TrackName[i];
      r.number[0] = m.TrackGauge[i];
      break;
    default:
      break;  // a sensor is only its position
  }
  return r;
}

void PutRecord(LayoutModel& m, PanelObject kind, int i, const ObjectRecord& r) {
  switch (kind) {
    case PanelObject::kImage:
      m.ImageTip[i] = r.text[0];
      m.ImagePicture[i] = r.text[1];
      m.ImageOnTop[i] = r.flag[0];
      break;
    case PanelObject::kLabel:
      m.LabelText[i] = r.text[0];
      m.LabelFontName[i] = r.text[1];
      m.LabelColour[i] = r.number[0];
      m.LabelFontSize[i] = static_cast<std::int16_t>(r.number[1]);
      m.LabelBold[i] = r.flag[0];
      m.LabelItalic[i] = r.flag[1];
      m.LabelUnderline[i] = r.flag[2];
      break;
    case PanelObject::kSignal:
      m.SignalCoilA[i] = r.text[0];
      m.SignalCoilB[i] = r.text[1];
      m.SignalPicture[i] = r.text[2];
      m.StoredAspect[i] = r.text[3];
      break;
    case PanelObject::kTrackNumber:
      m.TrackName[i] = r.text[0];
      m.TrackGauge[i] = static_cast<std::uint8_t>(r.number[0]);
      break;
    default:
      break;
  }
}

}  // namespace kv
