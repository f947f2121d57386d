#pragma once

#include <QWidget>

#include "hardware/modem_status.h"

class QLabel;

namespace kv {

class ImageButton;

// What fraModem(1) holds on the DCC systems: the two stacked modem pictures, imgBtnTog 5 (off)
// and 6 (on), and the label lblArray beside them saying what a click on the picture does.
class ModemStatusView : public QWidget {
 public:
  // Places itself in `frame`'s layout.
  explicit ModemStatusView(QWidget* frame);

  void Show(const ModemStatus& status);

  // imgBtnTog(5) or (6), for the handler that flips the byte display.
  ImageButton* Picture(int index) const;
  QLabel* Label() const { return lblArray_; }

 private:
  ImageButton* off_ = nullptr;
  ImageButton* on_ = nullptr;
  QLabel* lblArray_ = nullptr;
};

}  // namespace kv
