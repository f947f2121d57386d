#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "panel/grid_item.h"
#include "panel/panel.h"
#include "support/test_session.h"

using kv::Panel;
using kv::PanelObject;
using kv::test::TestSession;

namespace {

// A panel of a known size, shown, on a grey ground so white track cores can be told from it.
struct ShownPanel {
  ShownPanel() : panel(t.session) {
    panel.resize(400, 300);
    panel.setBackgroundBrush(QColor(128, 128, 128));
    panel.show();
  }
  QImage Shot() { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  TestSession t;
  Panel panel;
};

void WriteBitmap(const QString& path, const QSize& size, const QColor& colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  if (!image.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
}

QRgb Grey() { return qRgb(128, 128, 128); }

}  // namespace

class PanelObjectsTest : public QObject {
  Q_OBJECT

 private slots:
  void aTrackUnitIsDrawnBlackEdgedAtItsPixelWidth() {
    // A gauge-10 unit along y = 1500 twips (100 px): 10 black-edged pixel rows, 8 white inside.
    ShownPanel s;
    s.panel.LoadTrack(1, {150, 1500, 3000, 1500}, 10);
    const QImage shot = s.Shot();
    QList<QRgb> column, expected{Grey(), qRgb(0, 0, 0)};
    for (int y = 94; y <= 105; ++y) column << shot.pixel(50, y);
    expected << QList<QRgb>(8, qRgb(255, 255, 255)) << qRgb(0, 0, 0) << Grey();
    QCOMPARE(column, expected);
    // Sliding by 1500 twips moves the drawing 100 px up; widths stay pixels.
    s.panel.SetOrigin(0, 1500);
    const QImage slid = s.Shot();
    QCOMPARE(QList<QRgb>({slid.pixel(50, 95), slid.pixel(50, 0), slid.pixel(50, 4)}),
             QList<QRgb>({Grey(), qRgb(255, 255, 255), qRgb(0, 0, 0)}));
  }

  void labelsKeepTheirLookAndRedOnesStartHidden() {
    TestSession t;
    Panel panel(t.session);
    kv::LabelLook points{"12L", 255, true, false, false, "DejaVu Sans", 8};
    kv::LabelLook entry{"PLATFORM 3", 0x800000, false, true, true, "DejaVu Serif", 12};
    panel.LoadLabel(1, points, 900, 1800);
    panel.LoadLabel(2, entry, 2250, 600);
    panel.show();
    QVERIFY(!panel.Label(1)->isVisible() && panel.Label(2)->isVisible());
    QCOMPARE(panel.LabelPosition(1), QPointF(900, 1800));
    QCOMPARE(panel.LabelPosition(2), QPointF(2250, 600));
    QCOMPARE(panel.Label(2)->Caption() + "|" + panel.Label(2)->toolTip(),
             QStringLiteral("PLATFORM 3|PLATFORM 3"));
    QCOMPARE(panel.Label(2)->ForeColor(), 0x800000);
    QCOMPARE(panel.Label(2)->brush().color(), QColor(0, 0, 128));
    const QFont font = panel.Label(2)->font();
    QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(font.pointSize(), 12);
    QVERIFY(!font.bold() && font.italic() && font.underline());
    QVERIFY(panel.Label(1)->font().bold());
    // Labels come to the front of what was there before them.
    panel.LoadTrack(1, {0, 0, 3000, 3000}, 10);
    panel.LoadLabel(3, entry, 0, 0);
    QVERIFY(panel.Label(3)->zValue() > panel.linColor(1)->zValue());
  }

  void aMissingPictureIsReportedButKeepsItsPlace() {
    TestSession t;
    Panel panel(t.session);
    QString error;
    QVERIFY(!panel.LoadImage(3, QStringLiteral("\\data\\gone.bmp"), "tip", 450, 750, true,
                             &error));
    QCOMPARE(error, QStringLiteral("The picture file %1 does not exist.")
                        .arg(t.dir.path() + QStringLiteral("/data/gone.bmp")));
    QVERIFY(panel.imgImage(3)->Missing());
    QVERIFY(panel.imgImage(3)->pixmap().width() > 32);  // the crossed box, then "gone.bmp"
    QCOMPARE(panel.ImagePosition(3), QPointF(450, 750));
    QVERIFY(!panel.LoadImage(5, QString(), "", 0, 0, true, &error));
    QCOMPARE(error, QStringLiteral("No picture file is named."));
    // A file that is no picture at all.
    t.Write(QStringLiteral("\\data\\junk.bmp"), QByteArray("BM\x01\x02junk", 8));
    QVERIFY(!panel.LoadImage(4, QStringLiteral("\\data\\junk.bmp"), "", 0, 0, true, &error));
    QVERIFY2(error.startsWith(QStringLiteral("The file %1 cannot be read as a picture: ")
                                  .arg(t.Path(QStringLiteral("\\data\\junk.bmp")))),
             qPrintable(error));
  }

  void signalsCarryTheirCoilsAndKeepAPictureThatCannotBeReplaced() {
    TestSession t;
    Panel panel(t.session);
    const QString on = t.dir.filePath(QStringLiteral("data/C3R2x.bmp"));
    WriteBitmap(on, QSize(12, 30), Qt::red);
    QString error;
    QVERIFY(panel.LoadSignal(2, QStringLiteral("\\data\\C3R2x.bmp"), "6", "8", 3000, 1500,
                             &error));
    QCOMPARE(panel.imgSig(2)->toolTip() + panel.imgSig(2)->Tag(), QStringLiteral("68"));
    QCOMPARE(panel.SignalPosition(2), QPointF(3000, 1500));
    QCOMPARE(panel.imgSig(2)->pixmap().size(), QSize(12, 30));
    // The other aspect's bitmap is missing: the stored picture stays.
    QVERIFY(!panel.SetSignalPicture(2, QStringLiteral("\\data\\C3Y2x.bmp"), &error));
    QCOMPARE(panel.imgSig(2)->PicturePath(), on);
    QVERIFY(!panel.imgSig(2)->Missing());
  }

  void sensorsAreUnlitBoxesAboveEverythingElse() {
    TestSession t;
    Panel panel(t.session);
    panel.LoadSensor(1, 1200, 3450);
    panel.LoadLabel(1, {"A", 0, false, false, false, "", 8}, 1200, 3450);
    kv::SensorBox* box = panel.txtAws(1);
    QCOMPARE(box->Text() + "|" + box->toolTip(), QStringLiteral(" AWS|sensor 1"));
    QVERIFY(!box->Lit());
    QCOMPARE(panel.SensorPosition(1), QPointF(1200, 3450));
    QVERIFY(box->zValue() > panel.Label(1)->zValue());
  }

  void loadsReplaceAndRefuseBadNumbers() {
    TestSession t;
    Panel panel(t.session);
    panel.LoadSensor(1, 10, 20);
    panel.LoadSensor(1, 30, 40);
    QCOMPARE(panel.SensorPosition(1), QPointF(30, 40));
    QCOMPARE(panel.scene()->items().size(), 2);  // the grid and one sensor
    panel.LoadSensor(0, 1, 1);
    panel.LoadSensor(256, 1, 1);
    QString error;
    QVERIFY(!panel.LoadImage(256, "x.bmp", "", 0, 0, true, &error));
    QCOMPARE(error, QStringLiteral("Object number 256 is outside 1 to 255."));
    QCOMPARE(panel.scene()->items().size(), 2);
    panel.LoadTrack(5, {1, 2, 3, 4}, 3);
    panel.Clear();
    QCOMPARE(panel.scene()->items().size(), 1);
    QVERIFY(!panel.linBlack(5) && !panel.txtAws(1));
  }

  void trackNumbersFollowTheSwitchesAndSitAtTheMiddle() {
    TestSession t;
    Panel panel(t.session);
    panel.show();
    panel.LoadTrack(3, {120, 450, 720, 1050}, 10);
    panel.linColor(3)->SetEnds(300, 300, 900, 301);  // moved by hand: the inner line leads
    panel.PlaceTrackNumber(3);
    QVERIFY(!panel.lblTrk(3)->isVisible());
    QCOMPARE(panel.lblTrk(3)->pos(), QPointF(600, 300.5));
    t.session.model.ShowNumbers = true;
    panel.PlaceTrackNumber(3);
    QVERIFY(panel.lblTrk(3)->isVisible());
    QCOMPARE(panel.lblTrk(3)->Caption(), QStringLiteral("3"));
    t.session.model.ShowNumbers = false;
    t.session.model.ClickRole = 1;
    panel.PlaceTrackNumber(3);
    QVERIFY(panel.lblTrk(3)->isVisible());
    t.session.model.ClickRole = 2;
    panel.PlaceTrackNumber(3);
    QVERIFY(!panel.lblTrk(3)->isVisible());
    panel.PlaceTrackNumber(4);  // not loaded: passed over
  }

  void clicksReachTheObjectUnderThePointer() {
    ShownPanel s;
    s.panel.LoadLabel(1, {"12L", 255, false, false, false, "", 10}, 150, 150);  // hidden
    s.panel.LoadLabel(2, {"ENTRY", 0, false, false, false, "", 10}, 1500, 1500);
    s.panel.LoadSensor(7, 3000, 150);
    QSignalSpy down(&s.panel, &Panel::objectMouseDown);
    QSignalSpy up(&s.panel, &Panel::objectMouseUp);
    QSignalSpy screenDown(&s.panel, &Panel::screenMouseDown);
    QWidget* port = s.panel.viewport();
    QTest::mousePress(port, Qt::RightButton, {}, QPoint(103, 103));
    QCOMPARE(down.size(), 1);
    QCOMPARE(down[0][0].value<PanelObject>(), PanelObject::kLabel);
    QCOMPARE(down[0][1].toInt(), 2);
    QCOMPARE(down[0][2].value<Qt::MouseButton>(), Qt::RightButton);
    // Released elsewhere: the label that took the press hears of it.
    QTest::mouseRelease(port, Qt::RightButton, {}, QPoint(300, 250));
    QCOMPARE(up.size(), 1);
    QCOMPARE(up[0][1].toInt(), 2);
    QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(203, 13));
    QCOMPARE(down.last()[0].value<PanelObject>(), PanelObject::kSensor);
    QCOMPARE(down.last()[1].toInt(), 7);
    // A hidden label takes no click: the surface does, in twips from its origin.
    QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(12, 12));
    QCOMPARE(screenDown.size(), 1);
    QCOMPARE(screenDown[0][1].toPointF(), QPointF(180, 180));
    s.panel.SetOrigin(300, 60);
    QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(12, 12));
    QCOMPARE(screenDown.size(), 2);
    QCOMPARE(screenDown[1][1].toPointF(), QPointF(300 + 180, 60 + 180));
  }
};

KV_TEST_MAIN(PanelObjectsTest)
#include "test_panel_objects.moc"
