#pragma once

#include <QString>

#include "layout/number_text.h"

namespace kv::texts {

// Texts of the drawing surface and its toolbars, outside the numbered messages.

// Why a picture could not be put on the panel (the readers name the file in their message).
inline QString PictureNotNamed() { return QStringLiteral("No picture file is named."); }
inline QString PictureMissing(const QString& path) {
  return QStringLiteral("The picture file %1 does not exist.").arg(path);
}
inline QString PictureUnreadable(const QString& path, const QString& reason) {
  return QStringLiteral("The file %1 cannot be read as a picture: %2").arg(path, reason);
}
inline QString ObjectNumberOutOfRange(int index) {
  return QStringLiteral("Object number %1 is outside 1 to 255.").arg(index);
}

// A kind of object ("labels") that already has the most a layout can hold: nothing is placed.
inline QString ObjectLimitTitle(const QString& kinds) {
  return QStringLiteral("No more %1").arg(kinds);
}
inline QString ObjectLimitReached(const QString& kinds) {
  return QStringLiteral("This layout already has 255 %1, the most it can hold. Delete one of them "
                        "to make room for another.")
      .arg(kinds);
}

// The track button's tool-tip, and the creation toolbar's caption on a new layout.
inline QString GaugeTip(int gauge) {
  return QStringLiteral("gauge %1").arg(gauge);
}
inline QString CreateCaption(int gauge) {
  return QStringLiteral("create another of these object types        gauge %1").arg(gauge);
}

// Captions and tool-tips of the toolbars.
inline QString BackupCaption() { return QStringLiteral("click here to backup path and object files"); }
inline QString CreateToolbarTip() { return QStringLiteral(" click any of these 5 objects to create one"); }
inline QString SlideCaption() { return QStringLiteral("slide layout"); }
inline QString GridButtonTip() { return QStringLiteral("mouse-click"); }
inline QString MoveCaption() { return QStringLiteral("move objects"); }
inline QString TrashCaption() { return QStringLiteral("object"); }
inline QString TrashTip() { return QStringLiteral("Dustbin"); }
inline QString SaveCaption() { return QStringLiteral("layouts"); }
inline QString SaveTip() { return QStringLiteral("cancel move"); }
inline QString InfoCaption() { return QStringLiteral("    MS Wordpad          E-mail"); }
inline QString Superimpose() { return QStringLiteral("superimpose"); }
inline QString Subordinate() { return QStringLiteral("subordinate"); }

// The slide buttons by the clock position of their arrow, and the rest of the toolbar's
// pictures, which carry no tool-tip of their own in the original design.
inline QString SlideTip(int index) {
  switch (index) {
    case 0: return QStringLiteral("slide up");
    case 3: return QStringLiteral("slide right");
    case 6: return QStringLiteral("slide down");
    default: return QStringLiteral("slide left");
  }
}
inline QString HelpTip() { return QStringLiteral("help"); }
inline QString AboutTip() { return QStringLiteral("about"); }
inline QString WordPadTip() { return QStringLiteral("word processor"); }
inline QString BoreTip() { return QStringLiteral("tunnel"); }
inline QString PercentTip() { return QStringLiteral("click to slide back to the top left corner"); }

// The grid's frame: "squares" and the value as Str gives it (a leading blank), with one more
// blank before a single digit so one- and two-digit values line up.
inline QString GridCaption(int squares) {
  const QString str = NumberText(squares);
  return squares > 9 ? QStringLiteral("squares") + str : QStringLiteral("squares ") + str;
}

// The move frame's caption for the move options one, some and all.
inline QString MoveFrameCaption(int option) {
  switch (option) {
    case 1:
      return QStringLiteral("move one item");
    case 2:
      return QStringLiteral("move some items");
    default:
      return QStringLiteral("move all items");
  }
}

// The pointer while dragging, at the panel's foot: twips, and the grid square (75 twips, counted
// from 1) under it.
inline QString PointerPosition(int x, int y) {
  const auto square = [](int twips) { return (twips >= 0 ? twips : twips - 74) / 75 + 1; };
  return QStringLiteral("%1, %2 twips   square %3, %4").arg(x).arg(y).arg(square(x)).arg(square(y));
}

// The dustbin or an undo met a file kept as it is because its reading stopped.
inline QString KeptFileNotDeletedTitle() {
  return QStringLiteral("nothing deleted");
}
inline QString KeptFileNotDeleted(const QString& kind, const QString& file, int line) {
  const QString where = line > 0 ? QStringLiteral(" (its reading stopped at line %1)").arg(line)
                                 : QStringLiteral(" (it could not be read)");
  return QStringLiteral(
             "The %1 cannot be deleted or put back: %2%3 is kept as it is until it is mended, "
             "so it is not rewritten.")
      .arg(kind, file, where);
}
// Track units whose routes cannot be renumbered.
inline QString RoutesNotRenumbered(const QString& file) {
  return QStringLiteral(
             "The track units cannot be deleted or put back: the routes in %1 name them by "
             "number, and %1 could not be read whole, so it is not rewritten until it is mended.")
      .arg(file);
}
// A deletion whose file cannot hold a text of its kind.
inline QString CannotStoreKind(const QString& reason) {
  return QStringLiteral("%1. Nothing was deleted: the file is as it was.").arg(reason);
}

// Fetching a picture.
inline QString FetchPictureTitle() {
  return QStringLiteral("Fetch a picture (e.g. a drawing in MS 'Paint')");
}
inline QString BitmapFilter() {
  return QStringLiteral("Bitmap files (*.bmp)|*.bmp");
}
inline QString CopyPictureTitle() {
  return QStringLiteral("picture outside the program folder");
}
inline QString CopyPicture(const QString& file, const QString& folder) {
  return QStringLiteral(
             "%1 lies outside the program folder, where a layout cannot find it again. Copy it "
             "into %2 and use the copy?")
      .arg(file, folder);
}
inline QString PictureNotCopied(const QString& file, const QString& reason) {
  return QStringLiteral("%1 could not be copied: %2. No picture was added.").arg(file, reason);
}
inline QString PicturePathTooLongTitle() {
  return QStringLiteral("picture not added");
}
inline QString PicturePathTooLong(const QString& stored) {
  return QStringLiteral(
             "The picture's path below the program folder, %1, is longer than the 100 "
             "characters a layout can keep. Move the file to a shorter path and fetch it again.")
      .arg(stored);
}
inline QString PicturePathNotStorable(const QString& reason) {
  return QStringLiteral(
             "The picture's path cannot be kept in a layout: %1. Give the file another "
             "name and fetch it again.")
      .arg(reason);
}
// The tool-tip typed for a new picture cannot be kept in image.txt: it is asked for again.
inline QString PictureTipNotStorableTitle() {
  return QStringLiteral("tool-tip not kept");
}
inline QString PictureTipNotStorable(const QString& reason) {
  return QStringLiteral("The tool-tip cannot be kept in a layout: %1. Type it again.").arg(reason);
}
inline QString PictureNotLoaded(const QString& reason) {
  return reason + QStringLiteral(" No picture was added.");
}

// A percent label: Str of the whole percent (a leading blank) and "%".
inline QString PercentCaption(int percent) {
  return NumberText(percent) + QLatin1Char('%');
}

}  // namespace kv::texts
