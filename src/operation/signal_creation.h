#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "operation/signal_coils.h"

namespace kv {

class Panel;
class Session;

// What creating a signal asks of the editor.
struct SignalEditorCalls {
  // Tells the user that a 256th signal cannot be added (the layout has 255).
  std::function<void()> refuseAtLimit;
  // Signal n, just created, is selected and the move option is "one", so the next press on
  // the panel carries it there.
  std::function<void(int n)> selectForMoving;
};

// imgBtnSig in Modify mode: a new signal from a bitmap of the signal library showing it 'ON'.
// Its coils follow the third letter of the bitmap's aspect code: "F", a fixed signal, has none;
// on "DCC" both coils take the next accessory number of coilno.txt (coil A with "A", coil B
// with "B"); on the relay stack each coil is an even number 2 to 126 drawn at random. No new
// coil is a number another signal or a points label of the layout uses, nor a relay of the DC
// knobs; the two coils of a relay-stack signal differ. The signal lies near the top left
// corner of the visible part of the panel, selected for moving. Its record is written at the
// next save.
class SignalCreation : public QObject {
  Q_OBJECT

 public:
  // The new signal's place from the visible top left corner, in twips.
  static constexpr int kOffsetX = 1000;
  static constexpr int kOffsetY = 150;
  // The longest picture path signal.txt keeps.
  static constexpr int kMaxPicturePath = 200;

  SignalCreation(Session& session, Panel& panel, QObject* parent = nullptr);

  void SetEditorCalls(SignalEditorCalls calls) { editor_ = std::move(calls); }
  // The generator the relay-stack coils are drawn with.
  void SetRandom(RandomNumber random) { random_ = std::move(random); }

  // Any button in Modify mode: CreateSignal.
  void imgBtnSig_MouseUp(Qt::MouseButton button);
  // Signal SignalCount + 1; false when nothing was created (the dialog cancelled, the bitmap
  // refused with its reason, or message 17 when no coil number is free).
  bool CreateSignal();

 private:
  // FetchSignalPicture: the stored path of the bitmap chosen; nothing when cancelled or
  // refused (the user was told why).
  std::optional<QString> FetchSignalPicture();
  // Coil A and coil B for a bitmap with this aspect code; false when none can be had (the user
  // was told).
  bool AssignCoils(const QString& aspect, QString* coilA, QString* coilB);
  bool AssignDccCoils(const QSet<int>& taken, QString* coilA, QString* coilB);
  void Refuse(const QString& text);

  Session& session_;
  Panel& panel_;
  SignalEditorCalls editor_;
  RandomNumber random_ = SystemRandom();
};

}  // namespace kv
