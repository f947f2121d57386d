#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace kv {

// At most 255 objects of a kind: counts and indexes are bytes. Objects are numbered 1..Count
// without gaps; element 0 of every table is scratch space for the record being read.
inline constexpr int kMaxObjects = 255;

template <typename T>
using ObjectTable = std::array<T, kMaxObjects + 1>;

// An object file whose reading stopped on a record that could not be read (or that could not be
// opened at all): the records after that one were never loaded, so neither a save nor a
// deletion may rewrite the file until it is mended and the layout opened again.
struct KeptFile {
  QString path;
  int line = 0;  // the record the reading stopped on; 0 when the file could not be opened
  QString reason;
};

enum ProgModeValue : std::uint8_t { kCreate = 0, kModify = 1, kOperate = 2 };

// The open layout and the values every part of the program reads and writes. One per Session;
// no widgets: the panel holds the live positions and copies them here before a record is
// written.
struct LayoutModel {
  // --- counts and shared indexes -----------------------------------------------------------
  std::uint8_t TrackCount = 0;
  std::uint8_t ImageCount = 0;
  std::uint8_t LabelCount = 0;
  std::uint8_t SignalCount = 0;
  std::uint8_t SensorCount = 0;
  std::uint8_t NewLabelCount = 0;  // labels placed since the last save: staggers the next one

  std::uint8_t ObjIdx = 0;
  std::uint8_t LabelIdx = 0;
  std::uint8_t ImageIdx = 0;
  std::uint8_t SensorIdx = 0;
  std::uint8_t SigIdx = 0;
  std::uint8_t NewTrackIdx = 0;

  // --- positions in twips, shared by all kinds: they hold the kind read or written last ----
  ObjectTable<std::int32_t> ObjX{};
  ObjectTable<std::int32_t> ObjY{};
  ObjectTable<std::int32_t> ObjX2{};
  ObjectTable<std::int32_t> ObjY2{};

  // --- per-object tables ---------------------------------------------------------------
  ObjectTable<QString> TrackName;
  ObjectTable<std::uint8_t> TrackGauge{};

  ObjectTable<QString> ImageTip;
  ObjectTable<QString> ImagePicture;  // program-folder path, begins with "\"
  ObjectTable<bool> ImageOnTop{};

  ObjectTable<QString> LabelText;
  ObjectTable<std::int32_t> LabelColour{};  // 0x00BBGGRR; 255 = red
  ObjectTable<bool> LabelBold{};
  ObjectTable<bool> LabelItalic{};
  ObjectTable<bool> LabelUnderline{};
  ObjectTable<QString> LabelFontName;
  ObjectTable<std::int16_t> LabelFontSize{};

  ObjectTable<QString> SignalCoilA;
  ObjectTable<QString> SignalCoilB;
  ObjectTable<QString> SignalPicture;
  ObjectTable<bool> SignalOff{};  // switched to the other aspect; also the signals' selection
  // The aspect code the stored picture had while the signal shows its other aspect; "" while it
  // shows the stored one. Unlike SignalOff no selection touches it.
  ObjectTable<QString> StoredAspect;

  // Selection flags: panel state, never stored.
  ObjectTable<bool> SensorSel{};
  ObjectTable<bool> ImageSel{};
  ObjectTable<bool> LabelSel{};
  ObjectTable<bool> TrackSel{};

  // --- how the program was started and what is open ----------------------------------------
  std::uint8_t ProgMode = kCreate;
  bool NewLayout = false;
  QString ControlSystem;  // "DC", "DCC", "DCC + DC"; "" until chosen
  QString LayoutName;
  QString ProjectFile;
  QString LayoutFolder;  // no trailing separator
  QString TrackFile, ImageFile, GaugeFile, LabelFile, SensorFile, PathFile, SignalFile, LocoFile,
      CoilNoFile, FunctionFile;  // "" = the layout has no such file
  QString TargetFile;           // the object file being rewritten or reported
  std::uint8_t CurGauge = 0;
  bool HasDccPoints = false;
  QList<KeptFile> KeptFiles;  // object files no save or deletion may rewrite
  bool ClockOn = false;
  QString CaptionBase;

  // Position of the DCC Loco Control window in twips; elements 0 and 1 are coord.txt's.
  std::array<std::int32_t, 4> LocoWinPos{};

  // --- hardware values shared between the parts that fire points and talk to the boxes ----
  std::uint8_t BoxPort = 0;  // serial port number of the DCC box; 0 = off-line
  QString PointSide;         // caption of the points label clicked last, or "L" / "R"
  bool ShowBytes = false;    // the caption carries the last message's bytes
  QString LastMsgText;       // those bytes as text, or "Li101F modem OFF"
  std::uint8_t SolenoidNo = 0;  // the solenoid number to fire on the relay stack
  float DwellTime = 1000;    // relay dwell in ms on the relay-stack systems; seconds on "DCC"
  QStringList RouteList;     // items of a route still to be worked (outputs stay set meanwhile)

  // --- what the panel shows of the track numbers ------------------------------------------
  std::uint8_t ClickRole = 0;  // the number-display button pressed last: 0, 1 or 2
  bool ShowNumbers = false;    // the "show numbers" switch

  // --- the message being shown ------------------------------------------------------------
  QString MsgPrompt;
  QString MsgTitle;
  std::uint8_t MsgStyle = 0;
  std::uint8_t MsgAnswer = 0;

  // --- route recording values that messages read ------------------------------------------
  bool Recording = false;  // a route is being recorded
  std::array<QString, 5> PathRec;  // element 1: the route's name, "ENTRY to EXIT "
  QString EntryName;
  QString ExitName;
  QString SigMore;  // "more " or ""
  bool SigReverse = false;  // the signal being worked clears to its second aspect (right button)
  int SigPathLength = 0;  // the length the signal picture routines kept last
};

// The entry of KeptFiles for `path`, or nullptr when the file may be rewritten.
inline const KeptFile* FindKeptFile(const LayoutModel& m, const QString& path) {
  for (const KeptFile& kept : m.KeptFiles) {
    if (kept.path == path) return &kept;
  }
  return nullptr;
}
inline bool MayRewrite(const LayoutModel& m, const QString& path) {
  return FindKeptFile(m, path) == nullptr;
}

// A signal's picture path ends in its five-letter aspect code and ".bmp" ("\data\sig\C3R2x.bmp").
inline constexpr int kAspectLength = 5;
inline constexpr int kAspectTail = kAspectLength + 4;

// Signal i shows the picture of its other aspect.
inline bool ShowsOtherAspect(const LayoutModel& m, int i) { return !m.StoredAspect[i].isEmpty(); }

// ClearSelection: no object selected; SignalOff doubles as the signals' selection.
inline void ClearSelection(LayoutModel& m) {
  for (int i = 1; i <= kMaxObjects; ++i) {
    m.SensorSel[i] = m.ImageSel[i] = m.LabelSel[i] = m.TrackSel[i] = m.SignalOff[i] = false;
  }
}

// The count of a kind as the files and the panel use it.
inline bool IsObjectIndex(int i, int count) { return i >= 1 && i <= count; }

}  // namespace kv
