#pragma once

#include <QGroupBox>

namespace kv {

// A captioned frame of the toolbars. A click on the frame itself, not on a control inside it,
// is reported: the toolbar frames use it for the backup command.
class ToolbarFrame : public QGroupBox {
  Q_OBJECT

 public:
  ToolbarFrame(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

 signals:
  void frameClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kv
