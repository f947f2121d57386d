#include <QBoxLayout>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <functional>

#include "base/save_layout.h"
#include "layout/twips.h"
#include "panel/image_button.h"
#include "panel/label_dialog.h"
#include "panel/label_maker.h"
#include "panel/panel.h"
#include "panel/panel_area.h"
#include "panel/panel_objects.h"
#include "panel/panel_toolbars.h"
#include "panel/toolbar_frame.h"
#include "support/dialog_hand.h"
#include "support/find_control.h"
#include "support/layout_fixture.h"

using kv::DialogRecord;
using kv::FontChoice;
using kv::LabelDialog;
using kv::test::Find;

namespace {

QTemporaryDir storeDir;  // the settings store of this test program, kept from the user's
QString StoreText() {
  QFile file(storeDir.path() + QStringLiteral("/Kelvarne/Kelvarne.conf"));
  return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}
constexpr std::int32_t kNavy = 0x800000;

// The panel under its toolbars in Modify mode, on layout "My Layout", with the dialog at hand.
struct Rig {
  explicit Rig(const QString& system) {
    kv::test::UseLayout(t);
    t.session.model.ControlSystem = system;
    t.session.model.ProgMode = kv::kModify;
    auto* column = new QVBoxLayout(&host);
    for (int i = 1; i <= 4; ++i) frames[i] = new kv::ToolbarFrame(QString::number(i), {}, &host);
    area = new kv::PanelArea(t.session, &host);
    column->addWidget(frames[1]);
    column->addWidget(area, 1);
    bars = new kv::PanelToolbars(t.session, *area, frames, &host);
    host.resize(1000, 700);
    host.show();
  }
  LabelDialog& d() { return bars->labels().Form1b(); }
  QLineEdit* Text1() { return Find<QLineEdit>(&d(), QStringLiteral("Text1")); }
  QPushButton* Button(int i) {
    return Find<QPushButton>(&d(), QStringLiteral("cmdOKFontCan_%1").arg(i));
  }
  QRadioButton* Option(int i) {
    return Find<QRadioButton>(&d(), QStringLiteral("Option1_%1").arg(i));
  }
  // The dialog opened by hand: a purpose picked and keys typed.
  void Open(int purpose, const QString& keys = {}) {
    d().Reset();
    d().show();
    if (purpose >= 0) Option(purpose)->click();
    QTest::keyClicks(Text1(), keys);
  }
  // A label made with the label button: `fill` works the dialog, which is cancelled if still open.
  void MakeLabel(const std::function<void()>& fill) {
    bool filled = false;
    kv::test::DialogHand hand([&](QWidget* w) {
      if (w != &d()) return;
      if (std::exchange(filled, true)) return d().reject();
      fill();
    });
    QTest::mouseClick(Find<kv::ImageButton>(&host, QStringLiteral("imgBtnLbl")), Qt::LeftButton);
  }
  void MakeLabel(int purpose, const QString& keys) {
    MakeLabel([=, this] {
      Option(purpose)->click();
      QTest::keyClicks(Text1(), keys);
      Button(0)->click();
    });
  }
  const DialogRecord& Last() { return t.dialogs.Last(); }

  kv::test::TestSession t;
  QWidget host;
  std::array<kv::ToolbarFrame*, 5> frames{};
  kv::PanelArea* area = nullptr;
  kv::PanelToolbars* bars = nullptr;
};

}  // namespace

class TestLabelDialog : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
  }
  void init() { QFile::remove(storeDir.path() + QStringLiteral("/Kelvarne/Kelvarne.conf")); }

  // Keys typed into Text1 go through the rules; a refused one beeps; the preview follows.
  void typingInText1() {
    Rig r(QStringLiteral("DCC"));
    r.Open(1, QStringLiteral("L12Lx"));
    QCOMPARE(r.Text1()->text() + Find<QLabel>(&r.d(), "Label2")->text(), QStringLiteral("12L12L"));
    QCOMPARE(r.t.dialogs.Beeps(), 2);
    QTest::keyClick(r.Text1(), Qt::Key_Backspace);
    QCOMPARE(r.d().Preview().text, QStringLiteral("12"));
    QVERIFY(r.Button(0)->isEnabled());
    r.Option(2)->click();  // another purpose empties the text
    QVERIFY(r.Text1()->text().isEmpty() && !r.Button(0)->isEnabled());
  }

  void okRules() {
    Rig r(QStringLiteral("DCC"));
    r.Open(2, QStringLiteral("A"));
    r.Button(0)->click();
    QCOMPARE(r.Text1()->text(), QStringLiteral("a"));
    QCOMPARE(r.Last().title + "|" + r.Last().text,
             QStringLiteral("Label Dialog|Black text All Upper Case is Reserved for Entrance / "
                            "Exit Labels\r\nText converted to Lower Case"));
    QCOMPARE(r.Last().style, kv::msg::kInformation);
    r.Open(2, QStringLiteral("42"));
    r.Button(0)->click();
    r.Button(0)->click();
    QCOMPARE(r.t.dialogs.Transcript().size(), 3);  // the same message at every OK
    r.Open(1, QStringLiteral("12"));
    r.Button(0)->click();
    QVERIFY(r.Last().text == "Need 'L' or 'R' on end of Number" && r.d().isVisible());
    r.Text1()->selectAll();  // as the focus leaves it: a side cannot begin, so it is added
    QTest::keyClick(r.Text1(), 'l');
    QCOMPARE(r.Text1()->text(), QStringLiteral("12L"));
    r.t.session.model.ControlSystem = QStringLiteral("DC");
    r.Open(1, QStringLiteral("13"));
    r.Button(0)->click();
    QVERIFY(r.Last().kind == DialogRecord::kBeep && r.d().isVisible());
    // Each label starts its number afresh: the odd one just refused does not refuse this one.
    r.Open(1, QStringLiteral("12"));
    QTest::mouseClick(r.Button(0), Qt::LeftButton);
    QVERIFY(!r.d().isVisible() && r.d().result() == QDialog::Accepted);
    r.Open(-1);
    QTest::keyClick(r.d().focusWidget(), Qt::Key_Space);  // typed before picking a purpose
    QVERIFY(r.d().isVisible());
  }

  void noControlSystemAsksOnTheSecondDigit() {
    Rig r{QString()};
    r.t.dialogs.QueueText(QStringLiteral("DC"));
    r.Open(1, QStringLiteral("12"));
    QCOMPARE(kv::test::Titles(r.t.dialogs),
             QStringList({"~\\Kelvarne-3D\\Data\\Sundries\\version.txt", "Kelvarne-3D software"}));
    QCOMPARE(r.Text1()->text() + "|" + r.t.session.model.ControlSystem + "|" + r.Option(1)->text(),
             QStringLiteral("12|DC|Solenoid No. [NOT odd]"));
  }

  // The font dialog starts from the preview and offers colour and underline to general labels only.
  void fontAndColourRules_data() {
    QTest::addColumn<int>("purpose");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("effects");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("message");
    QTest::newRow("GP red") << 2 << 255 << 1 << 0 << "Red is reserved for Point Labels";
    QTest::newRow("GP navy") << 2 << kNavy << 1 << kNavy << "";
    QTest::newRow("NX navy") << 0 << kNavy << 0 << 0 << "Entrance / Exit Labels MUST be Black";
    QTest::newRow("PM black") << 1 << 0 << 0 << 255 << "Solenoid location labels MUST be Red";
  }
  void fontAndColourRules() {
    QFETCH(int, purpose);
    QFETCH(int, chosen);
    QFETCH(int, colour);
    QFETCH(QString, message);
    Rig r(QStringLiteral("DCC"));
    r.t.dialogs.QueueFont(FontChoice{"Arial", 48, true, false, true, chosen});
    r.Open(purpose);
    r.Button(1)->click();
    const QList<DialogRecord>& shown = r.t.dialogs.Transcript();
    QCOMPARE(shown.first().kind, DialogRecord::kFont);
    QCOMPARE(shown.first().font,
             FontChoice({"Microsoft Sans Serif", 10, false, false, false, purpose == 1 ? 255 : 0}));
    QTEST(shown.first().style, "effects");
    QVERIFY(r.d().Preview().colour == colour && r.d().Preview().fontName == "Arial");
    const QLabel* preview = Find<QLabel>(&r.d(), "Label2");  // the large font is not cut off
    QVERIFY(preview->contentsRect().height() >= QFontMetrics(preview->font()).height());
    QCOMPARE(shown.size() > 1 ? r.Last().text : QString(), message);
    QCOMPARE(r.bars->labels().settings().GPcolor(), purpose == 2 ? colour : 0);
    r.t.dialogs.QueueFont(FontChoice{"Noto 明朝", 10, false, false, false, colour});
    r.Button(1)->click();  // a name the label file cannot hold: the font stays
    QCOMPARE(r.d().Preview().fontName, QStringLiteral("Arial"));
  }

  // With nothing stored a points label takes the default font, in red; it shows at once.
  void newPointsLabelFromAnEmptyStore() {
    Rig r(QStringLiteral("DC"));
    r.MakeLabel(1, QStringLiteral("12"));
    QCOMPARE(r.t.session.model.LabelCount, 1);
    const kv::LabelControl* label = r.area->picScreen().Label(1);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(label->font().family())
                 .arg(label->font().pointSize())
                 .arg(label->ForeColor())
                 .arg(label->toolTip(), label->Tag()),
             QStringLiteral("Microsoft Sans Serif 10 255 12 1"));
    QVERIFY(label->isVisible() && r.t.session.model.ProgMode == kv::kModify);
    QCOMPARE(StoreText(), QString());  // the defaults equal the caches: nothing written
  }

  void fontsRememberedUnderTheirKeys() {
    Rig r(QStringLiteral("DCC"));
    const std::pair<int, FontChoice> made[] = {{2, {"Arial", 14, true, false, false, kNavy}},
                                               {0, {"Courier New", 12, false, false, false, 0}}};
    for (const auto& [purpose, font] : made) {
      r.t.dialogs.QueueFont(font);
      r.MakeLabel([&, purpose = purpose] {
        r.Option(purpose)->click();
        r.Button(1)->click();
        QTest::keyClicks(r.Text1(), QStringLiteral("Ab"));
        r.Button(0)->click();
      });
    }
    QCOMPARE(r.t.session.model.LabelCount, 2);
    QCOMPARE(StoreText(), QStringLiteral("[Settings]\nGPcolor=8388608\nGPfontName=Arial\n"
                                         "GPfontSize=14\nNXfontName=Courier New\nNXfontSize=12\n"));
  }

  // New labels stack down the visible panel's left edge; a save starts them again.
  void placingAndSaving() {
    Rig r(QStringLiteral("DC"));
    r.area->hsbScreen()->setValue(1500);
    r.area->vsbScreen()->setValue(3000);
    r.MakeLabel(2, QStringLiteral("AB"));
    r.MakeLabel(0, QStringLiteral("nx"));
    kv::Panel& panel = r.area->picScreen();
    const double height = panel.Label(1)->boundingRect().height() * 15;
    QCOMPARE(panel.LabelPosition(1), QPointF(1500, 4050));
    QCOMPARE(panel.LabelPosition(2), QPointF(1500, 4050 + height));
    kv::PanelObjects objects(panel, r.t.session.model);
    QVERIFY(kv::SaveLayout(r.t.session, objects, {}));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "label.txt"),
             QByteArray("\"Ab\",0,#FALSE#,#FALSE#,#FALSE#,\"Microsoft Sans Serif\",10,1500,4050\r\n"
                        "\"NX\",0,#FALSE#,#FALSE#,#FALSE#,\"Microsoft Sans Serif\",10,1500,") +
                 QByteArray::number(kv::RoundHalfEven(4050 + height)) + "\r\n");
    r.MakeLabel(2, QStringLiteral("x"));
    QCOMPARE(panel.LabelPosition(3), QPointF(1500, 4050));
  }

  void the256thLabelIsRefusedBeforeTheDialog() {
    Rig r(QStringLiteral("DC"));
    r.t.session.model.LabelCount = 255;
    bool shown = false;
    r.MakeLabel([&] { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(r.t.session.model.LabelCount, 255);
    QCOMPARE(r.Last().title + "|" + r.Last().text,
             QStringLiteral("No more labels|This layout already has 255 labels, the most it can "
                            "hold. Delete one of them to make room for another."));
  }
};

KV_TEST_MAIN(TestLabelDialog)
#include "test_label_dialog.moc"
