#include <QImage>
#include <QLabel>
#include <QTest>
#include <memory>

#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/dc_knob_box.h"
#include "support/test_session.h"

using kv::DcKnobBox;

namespace {

// The colour each knob picture is painted in, so that a test can tell which file shows.
QRgb PictureColour(bool reverse, int position) {
  return qRgb(reverse ? 200 : 0, 20 * position, 100);
}

// The DC box on a recording board with its relay stack, the knob pictures of the program
// folder painted in their own colours.
struct Rig {
  explicit Rig(bool withPictures = true) {
    t.session.model.ControlSystem = QStringLiteral("DC");
    t.session.model.DwellTime = 1000;
    if (withPictures) {
      for (bool reverse : {false, true}) {
        for (int p = 0; p <= 7; ++p) {
          QImage image(DcKnobBox::kKnobSize, DcKnobBox::kKnobSize, QImage::Format_RGB32);
          image.fill(PictureColour(reverse, p));
          const QString stored = QStringLiteral("\\Data\\VM110\\Knob%1%2.bmp")
                                     .arg(reverse ? "Rev" : "Fwd")
                                     .arg(p);
          if (!image.save(t.session.folder.ResolveForWrite(stored), "BMP")) qFatal("no bitmap");
        }
      }
    }
    board.OpenDevice(0);
    relay = std::make_unique<kv::RelayStack>(t.session, board);
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

  kv::test::TestSession t;
  kv::RecordingBoard board{t.scheduler};
  std::unique_ptr<kv::RelayStack> relay;
  std::unique_ptr<DcKnobBox> box;
};

}  // namespace

class DcKnobBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void sevenRightClicksRunAKnobToTheTop() {
    Rig r;
    QCOMPARE(r.Shown(1), PictureColour(false, 0));
    QCOMPARE(r.box->lblPwm(1)->text(), QStringLiteral("0"));
    QStringList percents;
    for (int i = 0; i < 7; ++i) {
      r.Click(1, Qt::RightButton);
      percents << r.box->lblPwm(1)->text();
      QCOMPARE(r.Shown(1), PictureColour(false, i + 1));
    }
    QCOMPARE(percents, (QStringList{"14", "28", "43", "57", "72", "86", "100"}));
    QCOMPARE(r.box->knobs().Notch(1), 14);
    QCOMPARE(r.box->knobs().Position(1), 7);
    QCOMPARE(r.board.Log().last(), QStringLiteral("0 OutputAnalogChannel(1, 210)"));
    QCOMPARE(int(r.board.Outputs().analog1), 210);

    // An eighth click changes nothing and sends the top value again.
    r.board.ClearCalls();
    r.Click(1, Qt::RightButton);
    QCOMPARE(r.board.Log(), (QStringList{"0 OutputAnalogChannel(1, 210)",
                                         "0 OutputAnalogChannel(1, 210)"}));
    QCOMPARE(r.box->lblPwm(1)->text(), QStringLiteral("100"));
    QCOMPARE(r.box->lblPwm(2)->text(), QStringLiteral("0"));
  }

  void aRunningKnobIsNeverReversed() {
    Rig r;
    r.Click(1, Qt::RightButton);
    r.board.ClearCalls();
    // Press 45, release 60, the double-click steps on to 75 instead of reversing, release 90.
    r.DoubleClick(1, Qt::RightButton);
    QVERIFY(!r.box->knobs().Reverse(1));
    QCOMPARE(r.box->knobs().DirectionText(1), QStringLiteral(" Fwd"));
    QCOMPARE(r.box->knobs().Notch(1), 6);
    QCOMPARE(r.Shown(1), PictureColour(false, 3));
    for (const QString& call : r.board.Log()) {
      QVERIFY2(call.contains("OutputAnalogChannel(1, "), qPrintable(call));  // no relay fired
    }
    r.t.scheduler.Advance(5000);
    QVERIFY(!r.relay->Busy());
  }

  void aDoubleClickOnAStoppedKnobReversesItThroughItsRelay() {
    Rig r;
    r.DoubleClick(2, Qt::LeftButton);
    QVERIFY(r.box->knobs().Reverse(2));
    QCOMPARE(r.Shown(2), PictureColour(true, 0));
    QCOMPARE(r.board.Log(), (QStringList{"0 OutputAnalogChannel(2, 0)",
                                         "0 OutputAnalogChannel(2, 0)",
                                         "0 WriteAllDigital(8)",
                                         "0 OutputAnalogChannel(2, 0)"}));
    r.t.scheduler.Advance(1500);
    QCOMPARE(r.board.Log().mid(4), (QStringList{"1000 WriteAllDigital(9)",
                                                "1500 ClearAllDigital()"}));
    // The picture changes with the release, not with the double-click itself.
    QTest::mouseClick(r.Knob(2), Qt::LeftButton);
    QTest::mouseDClick(r.Knob(2), Qt::LeftButton);
    QCOMPARE(r.Shown(2), PictureColour(true, 0));
    QTest::mouseRelease(r.Knob(2), Qt::LeftButton);
    QCOMPARE(r.Shown(2), PictureColour(false, 0));
    QCOMPARE(r.board.Log().filter("WriteAllDigital").last(), QStringLiteral("1500 WriteAllDigital(4)"));
  }

  void knobTwoNeverTouchesChannelOne() {
    Rig r;
    r.Click(1, Qt::RightButton);
    r.Click(1, Qt::RightButton);
    r.board.ClearCalls();
    r.Click(2, Qt::RightButton);
    r.Click(2, Qt::RightButton);
    r.Click(2, Qt::LeftButton);
    QCOMPARE(r.board.Log(), (QStringList{"0 OutputAnalogChannel(2, 15)", "0 OutputAnalogChannel(2, 30)",
                                         "0 OutputAnalogChannel(2, 45)", "0 OutputAnalogChannel(2, 60)",
                                         "0 OutputAnalogChannel(2, 45)", "0 OutputAnalogChannel(2, 30)"}));
    QCOMPARE(int(r.board.Outputs().analog1), 60);
    QCOMPARE(r.box->lblPwm(1)->text(), QStringLiteral("28"));
    QCOMPARE(r.box->lblPwm(2)->text(), QStringLiteral("14"));
  }

  void aMissingPictureShowsADrawnKnobAndSaysSo() {
    Rig r(false);
    QVERIFY(r.box->ShowsStandIn(1));
    QVERIFY(!r.box->picKnob(1)->pixmap().isNull());
    QCOMPARE(r.box->picKnob(1)->pixmap().size(), QSize(56, 56));
    QCOMPARE(r.box->picKnob(1)->toolTip(),
             QStringLiteral("The knob picture \\Data\\VM110\\KnobFwd0.bmp is missing: a drawn knob "
                            "stands in."));
    // The stand-in turns with the knob.
    const QImage stopped = r.box->picKnob(1)->pixmap().toImage();
    r.Click(1, Qt::RightButton);
    QVERIFY(r.box->picKnob(1)->pixmap().toImage() != stopped);
    QVERIFY(r.box->picKnob(1)->toolTip().contains("KnobFwd1.bmp"));
  }

  void readingCoordFileTurnsTheTextsBackToForward() {
    Rig r;
    r.DoubleClick(1, Qt::LeftButton);
    QCOMPARE(r.box->knobs().DirectionText(1), QStringLiteral("Rev"));
    r.box->ResetDirectionTexts();
    QCOMPARE(r.box->knobs().DirectionText(1), QStringLiteral(" Fwd"));
    QCOMPARE(r.box->knobs().DirectionText(2), QStringLiteral(" Fwd"));
  }

  // Rev shows only when its relay pulse will be written; until it is, power is refused.
  void aReversalWaitsForItsRelay() {
    Rig r(false);
    r.t.session.model.ControlSystem = QStringLiteral("DCC + DC");
    r.DoubleClick(1, Qt::LeftButton);
    QVERIFY(!r.box->knobs().Reverse(1));
    r.t.session.model.ControlSystem = QStringLiteral("DC");
    r.t.session.model.SolenoidNo = 12;
    r.relay->FireRelayStack();
    r.DoubleClick(1, Qt::LeftButton);
    QCOMPARE(r.box->knobs().PicturePath(1), QStringLiteral("\\Data\\VM110\\KnobRev0.bmp"));
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
