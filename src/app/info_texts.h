#pragma once

#include <QString>
#include <QStringList>

namespace kv::texts {

// The About panel, line by line; the first is its heading.
inline QStringList AboutLines(const QString& version) {
  return {
      QStringLiteral("Kelvarne %1").arg(version),
      QStringLiteral("A PC mimic panel for running a model railway. Draw your layout once on a "
                     "grid of squares, then run the real railway from the drawing: throw points, "
                     "set routes with their signals, and drive DC track sections and DCC "
                     "locomotives, through a DCC interface box on a serial port and a USB I/O "
                     "board, or off-line with no hardware at all."),
      QStringLiteral("Licence: GNU General Public License, version 3 or any later version."),
      QStringLiteral("Read more in the help window (the help button, or the picture on the start "
                     "window) and in the README that comes with the program."),
  };
}

// Nothing could be started for the word processor button.
inline QString WordProcessorTitle() {
  return QStringLiteral("word processor");
}
inline QString NoWordProcessor(const QString& folder) {
  return QStringLiteral(
             "No word processor could be started: there is no wordpad.exe in the "
             "program folder that runs here, and the desktop has no application to "
             "open the layout folder %1. Open its text files with the editor you use.")
      .arg(folder);
}

}  // namespace kv::texts
