#include <QImage>
#include <QTest>
#include <memory>

#include "hardware/ui/dc_knob_box.h"
#include "support/relay_rig.h"

using kv::DcKnobBox;

namespace {

// The colour each knob picture is painted in, so that a test can tell which file shows.
QRgb PictureColour(bool reverse, int position) {
  return qRgb(reverse ? 200 : 0, 20 * position, 100);
}

// The DC box over the relay stack's board, the program folder's knob pictures in their colours.
struct Rig : kv::test::RelayRig {
  explicit Rig(bool withPictures = true) {
    for (int p = 0; withPictures && p <= 15; ++p) {
      QImage image(DcKnobBox::kKnobSize, DcKnobBox::kKnobSize, QImage::Format_RGB32);
      image.fill(PictureColour(p > 7, p % 8));
      const QString stored =
          QStringLiteral("\\Data\\VM110\\Knob%1%2.bmp").arg(p > 7 ? "Rev" : "Fwd").arg(p % 8);
      if (!image.save(t.session.folder.ResolveForWrite(stored), "BMP")) qFatal("no bitmap");
    }
    box = std::make_unique<DcKnobBox>(t.session, board, *relay, nullptr);
    box->show();
    board.ClearCalls();
  }
  QWidget* Knob(int k) { return box->picKnob(k); }
  void Click(int k, Qt::MouseButton button) { QTest::mouseClick(Knob(k), button); }
  // What a double-click delivers: press, release, double-click, release.
  void DoubleClick(int k, Qt::MouseButton button) {
    QTest::mouseClick(Knob(k), button);
    QTest::mouseDClick(Knob(k), button);
    QTest::mouseRelease(Knob(k), button);
  }
  QRgb Shown(int k) { return box->picKnob(k)->pixmap().toImage().pixel(28, 28); }

  std::unique_ptr<DcKnobBox> box;
};

}  // namespace

// The box over the knobs.
class DcKnobBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void rightClicksTurnTheKnobsPictureAndOutput() {
    Rig r;
    QCOMPARE(r.Shown(1), PictureColour(false, 0));
    QCOMPARE(r.box->lblPwm(1)->text(), QStringLiteral("0"));
    for (int i = 1; i <= 7; ++i) QTest::mouseClick(r.Knob(1), Qt::RightButton);
    QCOMPARE(r.Shown(1), PictureColour(false, 7));
    QCOMPARE(r.box->lblPwm(1)->text() + r.box->lblPwm(2)->text(), QStringLiteral("1000"));
    QCOMPARE(r.board.Log().last(), QStringLiteral("0 OutputAnalogChannel(1, 210)"));
  }

  void aMissingPictureShowsADrawnKnobAndSaysSo() {
    Rig r(false);
    QVERIFY(r.box->ShowsStandIn(1));
    QCOMPARE(r.box->picKnob(1)->pixmap().size(), QSize(56, 56));
    QCOMPARE(r.box->picKnob(1)->toolTip(),
             QStringLiteral("The knob picture \\Data\\VM110\\KnobFwd0.bmp is missing: a drawn knob "
                            "stands in."));
    // The stand-in turns with the knob.
    const QImage stopped = r.box->picKnob(1)->pixmap().toImage();
    QTest::mouseClick(r.Knob(1), Qt::RightButton);
    QVERIFY(r.box->picKnob(1)->pixmap().toImage() != stopped);
    QVERIFY(r.box->picKnob(1)->toolTip().contains("KnobFwd1.bmp"));
  }

  // Rev shows only when its relay pulse will be written, with the release after the double-click.
  void aReversalWaitsForItsRelay() {
    Rig r;
    r.t.session.model.ControlSystem = QStringLiteral("DCC + DC");
    r.DoubleClick(1, Qt::LeftButton);
    QVERIFY(!r.box->knobs().Reverse(1));
    r.t.session.model.ControlSystem = QStringLiteral("DC");
    r.t.session.model.SolenoidNo = 12;
    r.relay->FireRelayStack();
    QTest::mouseClick(r.Knob(1), Qt::LeftButton);
    QTest::mouseDClick(r.Knob(1), Qt::LeftButton);
    QCOMPARE(r.Shown(1), PictureColour(false, 0));
    QTest::mouseRelease(r.Knob(1), Qt::LeftButton);
    QCOMPARE(r.Shown(1), PictureColour(true, 0));
    r.t.scheduler.Advance(2999);  // 12, then the reversing pulse 6, end at 3000
    r.Click(1, Qt::RightButton);
    QCOMPARE(r.t.dialogs.Beeps(), 1);
    r.t.scheduler.Advance(1);
    r.Click(1, Qt::RightButton);
    QCOMPARE(r.board.Log().filter("(6)").join(", ") + ", " + r.board.Log().last(),
             "1500 WriteAllDigital(6), 3000 OutputAnalogChannel(1, 30)");
  }
};

KV_TEST_MAIN(DcKnobBoxTest)
#include "test_dc_knob_box.moc"
