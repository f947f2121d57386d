#include "operation/signal_creation.h"

#include <QDir>
#include <QFileInfo>

#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/code_page.h"
#include "layout/coil_no_file.h"
#include "layout/layout_folders.h"
#include "operation/signal_aspects.h"
#include "operation/signal_texts.h"
#include "panel/panel.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
constexpr int kNoCoilMessage = 17;

QString Canonical(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

// The path from the program folder on, with backslashes, as the files store it.
QString StoredPathOf(const ProgramFolder& folder, const QString& file) {
  const QString relative = QDir(Canonical(folder.Root())).relativeFilePath(Canonical(file));
  return QLatin1Char('\\') + QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// coilno.txt of the open layout; a layout created in this run has none named yet.
QString CoilNoPath(LayoutModel& m) {
  if (m.CoilNoFile.isEmpty() && !m.LayoutFolder.isEmpty()) {
    m.CoilNoFile = ResolveIgnoringCase(m.LayoutFolder, {QStringLiteral("coilno.txt")});
  }
  return m.CoilNoFile;
}
}  // namespace

SignalCreation::SignalCreation(Session& session, Panel& panel, QObject* parent)
    : QObject(parent), session_(session), panel_(panel) {}

void SignalCreation::imgBtnSig_MouseUp(Qt::MouseButton) {
  if (session_.model.ProgMode != kModify) return;
  CreateSignal();
}

void SignalCreation::Refuse(const QString& text) {
  session_.dialogs.MessageBox(text, msg::kInformation, texts::SignalNotAddedTitle());
}

std::optional<QString> SignalCreation::FetchSignalPicture() {
  const ProgramFolder& folder = session_.folder;
  const QString library = folder.Resolve(texts::SignalLibrary());
  const QString chosen =
      session_.dialogs.OpenFileName(texts::FetchSignalTitle(), texts::BitmapFilter(), 1, library);
  if (chosen.isEmpty()) return std::nullopt;
  if (!LiesInProgramFolder(folder, chosen)) {
    Refuse(texts::SignalOutsideFolder(QDir::toNativeSeparators(chosen),
                                      QDir::toNativeSeparators(library)));
    return std::nullopt;
  }
  const QString stored = StoredPathOf(folder, chosen);
  if (QFileInfo(chosen).completeBaseName().size() < kAspectLength ||
      !chosen.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
    Refuse(texts::SignalWithoutAspect(QFileInfo(chosen).fileName()));
    return std::nullopt;
  }
  if (stored.size() > kMaxPicturePath) {
    Refuse(texts::SignalPathTooLong(stored, kMaxPicturePath));
    return std::nullopt;
  }
  QByteArray bytes;
  QChar bad;
  if (!EncodeCp1252(stored, &bytes, &bad)) {
    Refuse(texts::SignalPathNotStorable(stored, bad));
    return std::nullopt;
  }
  return stored;
}

bool SignalCreation::CreateSignal() {
  LayoutModel& m = session_.model;
  if (m.SignalCount >= kMaxObjects) {
    if (editor_.refuseAtLimit) {
      editor_.refuseAtLimit();
    } else {
      session_.dialogs.Beep();
    }
    return false;
  }
  const auto picture = FetchSignalPicture();
  if (!picture) return false;
  const int n = m.SignalCount + 1;
  const QPointF at = panel_.Origin() + QPointF(kOffsetX, kOffsetY);
  QString error;
  if (!panel_.LoadSignal(n, *picture, QString(), QString(), at.x(), at.y(), &error)) {
    panel_.UnloadSignal(n);
    Refuse(texts::SignalNotLoaded(error));
    return false;
  }
  QString coilA, coilB;
  if (!AssignCoils(AspectCodeOf(*picture), &coilA, &coilB)) {
    panel_.UnloadSignal(n);
    return false;
  }
  ImageControl* signal = panel_.imgSig(n);
  signal->setToolTip(coilA);
  signal->SetTag(coilB);
  m.SignalCount = static_cast<std::uint8_t>(n);
  m.SignalCoilA[n] = coilA;
  m.SignalCoilB[n] = coilB;
  m.SignalPicture[n] = *picture;
  m.ObjX[n] = static_cast<std::int32_t>(at.x());
  m.ObjY[n] = static_cast<std::int32_t>(at.y());
  m.SignalOff[n] = false;
  m.StoredAspect[n].clear();
  m.SigIdx = static_cast<std::uint8_t>(n);
  if (editor_.selectForMoving) editor_.selectForMoving(n);
  return true;
}

bool SignalCreation::AssignCoils(const QString& aspect, QString* coilA, QString* coilB) {
  if (aspect.at(2) == QLatin1Char('F')) {
    *coilA = texts::FixedCoil();
    coilB->clear();
    return true;
  }
  QSet<int> taken = SolenoidsInUse(session_.model, panel_);
  if (session_.model.ControlSystem == QLatin1String("DCC")) {
    return AssignDccCoils(taken, coilA, coilB);
  }
  taken.unite(kKnobRelays);
  const auto a = PickRandomCoil(taken, random_);
  std::optional<int> b;
  if (a) b = PickRandomCoil(taken + QSet<int>{*a}, random_);
  if (!b) {
    ShowMessage(session_, kNoCoilMessage);
    return false;
  }
  *coilA = QString::number(*a);
  *coilB = QString::number(*b);
  return true;
}

bool SignalCreation::AssignDccCoils(const QSet<int>& taken, QString* coilA, QString* coilB) {
  const QString path = CoilNoPath(session_.model);
  const auto number = PickDccCoil(ReadCoilNo(path).value_or(0), taken);
  if (!number) {
    ShowMessage(session_, kNoCoilMessage);
    return false;
  }
  QString reason;
  if (!WriteCoilNo(path, *number + 1, &reason)) {
    Refuse(texts::CoilNoNotWritten(QDir::toNativeSeparators(path), reason));
    return false;
  }
  *coilA = QString::number(*number) + QLatin1Char('A');
  *coilB = QString::number(*number) + QLatin1Char('B');
  return true;
}

}  // namespace kv
