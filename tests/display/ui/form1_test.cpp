#include "display/ui/form1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "base/app_clock.h"
#include "display/display_design.h"
#include "display/main_window_actions.h"
#include "display/ui/bar_gauge.h"
#include "display/ui/columns_area.h"
#include "display/ui/font_choice_dialog.h"
#include "display/ui/lamp.h"
#include "display/ui/main_menu.h"
#include "display/ui/picture_view.h"
#include "display/ui/top_band.h"
#include "display/ui/value_box.h"
#include "display/ui/windows_colour.h"
#include "outputs/run_now.h"
#include "station/ui/checksum_window.h"
#include "station/ui/wind5_window.h"
#include "support/qt_printers.h"

namespace {
QString text(const Form1& f, const char* name) {
    QLabel* l = f.label(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("<missing>");
}

// Accepts the next modal dialog as soon as it is shown, after letting `prepare` fill it in.
template <typename Dialog, typename Prepare>
void acceptNextDialog(Dialog* dialog, Prepare prepare) {
    QTimer::singleShot(0, dialog, [dialog, prepare] {
        prepare(dialog);
        dialog->accept();
    });
}

// Counts the layout requests that reach the watched widget.
struct LayoutRequests : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

struct RecordingActions : MainWindowActions {
    QStringList calls;
    bool active = false;
    bool allowClose = true;
    bool toggleActive() override {
        calls << "toggleActive";
        active = !active;
        return active;
    }
    void runNow(const QString& command) override { calls << command; }
    void printNow() override { calls << "print"; }
    bool mayClose() override {
        calls << "mayClose";
        return allowClose;
    }
};
}  // namespace

TEST(Form1, EveryDesignedComponentIsThereWithItsCaption) {
    Form1 form;
    EXPECT_EQ(form.windowTitle(), "Wetterpult - Inactive");
    for (const GroupBoxDesign& d : groupBoxDesigns()) {
        auto* box = form.findChild<ValueBox*>(d.name());
        ASSERT_NE(box, nullptr) << d.name().toStdString();
        EXPECT_EQ(box->title(), d.caption);
        EXPECT_EQ(box->backgroundColour(), kButtonFaceColour);
        EXPECT_EQ(box->fontSize(), 8);
        for (const LabelDesign& l : d.labels) {
            EXPECT_EQ(form.label(l.name)->isVisibleTo(&form), !l.hidden) << l.name.toStdString();
        }
        if (!d.hasGauge)
            continue;
        auto* bar = box->findChild<QProgressBar*>(d.gauge.barName);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->minimum(), d.gauge.minimum);
        EXPECT_EQ(bar->maximum(), d.gauge.maximum);
        EXPECT_EQ(bar->value(), d.gauge.initial);
        EXPECT_NE(box->findChild<QWidget*>(d.gauge.panelName), nullptr);
    }
    EXPECT_EQ(form.findChild<ScaleText*>("PanAussenTempMiddle")->text(), "             0-");
    EXPECT_EQ(form.findChild<ScaleText*>("panWindTop")->text(), "60");
    for (const char* name :
         {"PanelLinks", "PanelMitte", "PanelRechts", "PanelRechts2", "PanelTrend", "Image1",
          "Image2", "CoolBar1", "ToolBar1", "Panel1", "ToolBar2", "ToolBar3", "StatusBar1"})
        EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
    auto* shape = form.findChild<Lamp*>("Shape1");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->size(), QSize(26, 13));
}

namespace {
// Every name and value a screen reader finds in the shown window, with its widget's objectName.
void readAloud(QAccessibleInterface* node, QStringList& out) {
    if (!node || node->state().invisible)
        return;
    for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Value}) {
        const QString said = node->text(kind);
        const QObject* object = node->object();
        if (!said.isEmpty())
            out << (object ? object->objectName() : QString()) + "=" + said;
    }
    for (int i = 0; i < node->childCount(); ++i)
        readAloud(node->child(i), out);
}
}  // namespace

TEST(Form1, BeforeAnyGroupNothingReadsLikeAValue) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QStringList said;
    readAloud(QAccessible::queryAccessibleInterface(&form), said);
    // No design placeholder ("ZeitHi", "Label80", "12:30:00", "Import: 123min") and no number,
    // except the empty bars' positions, which a screen reader announces with the box's name.
    QStringList invented;
    for (const QString& s : said)
        if (s.section('=', 1)
                .remove("Seit 24h")  // the labels' own words
                .remove("seit 5min")
                .contains(QRegularExpression("[0-9]|Zeit|Label")) &&
            !s.startsWith("ProgressBar") && !s.startsWith("Form1=") &&
            !s.startsWith("StatusPanel0="))
            invented << s;
    EXPECT_EQ(invented, QStringList());
    EXPECT_TRUE(said.contains("Label29=Aktuell --"));
    EXPECT_TRUE(said.contains(QString::fromUtf8("ProgressBar3=Temperatur aussen")));
    EXPECT_EQ(form.findChild<Lamp*>("Shape1")->colour(), QColor(128, 128, 128));
    EXPECT_EQ(form.statusText(1), "");
}

TEST(Form1, MenusCarryTheirCaptionsAndShortcuts) {
    Form1 form;
    const std::vector<std::tuple<const char*, const char*, QKeySequence>> items = {
        {"C1", "Aktiv", QKeySequence(Qt::Key_F2)},
        {"JETZTerstellen1", "JETZT Import erstellen!", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"JETZTReaderstellen1", "JETZT Read erstellen!", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"JETZTLogupdaten1", "JETZT Log updaten!", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"JETZTAPRSerstellen1", "JETZT APRS erstellen!", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"NeueDatei", "Neue Datei", {}},
        {"ZeileAnh", "Zeile anhängen", {}},
        {"Dateieende", "Dateieende", {}},
        {"Drucken1", "&Drucken", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Beenden1", "&Beenden", {}},
        {"ShowCOMData1", "Show COM-Data", {}},
        {"ShowAllChkSums1", "Show All Weather ChkSums", {}},
        {"N5xWind1", "5x Wind", {}},
        {"Zeichen1", "Zeichen...", {}},
        {"Farben2", "Farbe...", {}},
        {"qsthermo", "graphische Anzeige...", {}}};
    for (const auto& [name, caption, keys] : items) {
        auto* action = form.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromUtf8(caption));
        EXPECT_EQ(action->shortcut(), keys) << name;
    }
    EXPECT_EQ(form.findChild<QMenu*>("JETZTASYNOPerstellen1")->title(), "JETZT ASYNOP erstellen!");
    EXPECT_EQ(form.topBand()->activeButton()->defaultAction(), form.menu().C1);
    EXPECT_FALSE(form.topBand()->activeButton()->icon().isNull());
}

TEST(Form1, DateiCommandsGoToTheActionsAndAktivMirrorsTheSwitch) {
    Form1 form;
    RecordingActions actions;
    form.setActions(&actions);
    MainMenu& m = form.menu();
    m.C1->trigger();
    EXPECT_TRUE(form.isActive());
    EXPECT_TRUE(form.topBand()->activeButton()->isChecked());
    form.topBand()->activeButton()->click();
    EXPECT_FALSE(form.isActive());
    for (QAction* a : {m.JETZTerstellen1, m.JETZTReaderstellen1, m.JETZTLogupdaten1,
                       m.JETZTAPRSerstellen1, m.NeueDatei, m.ZeileAnh, m.Dateieende, m.Drucken1})
        a->trigger();
    EXPECT_EQ(actions.calls,
              QStringList({"toggleActive", "toggleActive", "import", "read", "log", "aprs",
                           "asynop-new", "asynop-line", "asynop-end", "print"}));
    for (const QString& call : actions.calls.mid(2, 7))
        EXPECT_NE(runNowCommand(call), nullptr) << call.toStdString();  // a row of the table

    // The switch stays where the scheduler put it, also when the port failed to open.
    actions.calls.clear();
    form.show();
    actions.allowClose = false;
    m.Beenden1->trigger();
    EXPECT_TRUE(form.isVisible());
    actions.allowClose = true;
    m.Beenden1->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(actions.calls, QStringList({"mayClose", "mayClose"}));
}

TEST(Form1, FillDisplayWritesTheLabelsAndChangesNothingTheSecondTime) {
    FixedClock clock(QDateTime(QDate(2001, 6, 20), QTime(9, 41, 7)));
    ScopedClock scoped(clock);
    Form1 form;
    StationData data;
    data.GroupArrivedMs.fill(1);
    data.Record.IndoorTemp.Current = 215;
    data.Record.OutdoorHum.OutOfRange = true;
    data.Record.OutdoorHum.Current = 20;
    data.Record.OutdoorTemp.Hi.Time = {0, 5, 7, 14, 6};
    data.Record.Barometer.Trend = 2;
    data.Record.Console.BatteryLow = true;
    data.WindMaxRing = {30, 50, 40, 20, 10};
    form.FillDisplay(data);
    EXPECT_EQ(text(form, "Label22"), QString::fromUtf8("Aktuell 21,5 °C"));
    EXPECT_EQ(form.findChild<QProgressBar*>("ProgressBar4")->value(), 21);
    EXPECT_EQ(text(form, "Label5"), "Out of Range!");
    EXPECT_EQ(form.findChild<QProgressBar*>("ProgressBar2")->value(), 20);
    EXPECT_EQ(text(form, "Label34"), "07:05  14.06.2001");
    EXPECT_EQ(text(form, "Label35"), "");  // no valid date: keeps the empty text it started with
    EXPECT_EQ(text(form, "Label1"), "09:41:07");
    EXPECT_EQ(text(form, "Label39"), "Trend: gleichbleibend");
    EXPECT_EQ(form.findChild<PictureView*>("Image1")->picture(), 2);
    EXPECT_EQ(form.findChild<Lamp*>("Shape1")->colour(), QColor(0, 0, 255));
    EXPECT_EQ(form.wind5Window()->row(5), "5");
    EXPECT_EQ(form.wind5Window()->row(1), "3");

    const DisplayMemory shown{text(form, "Label39"), text(form, "Label40")};
    const DisplayRefresh again = FillDisplay(data, shown, Formats::german(), clock.now());
    EXPECT_EQ(form.applyRefresh(again), 0);

    // A refresh with the same values neither relayouts nor repaints the window.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    LayoutRequests layouts;
    form.installEventFilter(&layouts);
    // The layout of the first show settles: posted events are handled until a round of them
    // brings no layout request.
    for (int round = 0; round < 100; ++round) {
        layouts.count = 0;
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        if (layouts.count == 0)
            break;
    }
    layouts.count = 0;
    form.FillDisplay(data);
    QApplication::processEvents();
    EXPECT_EQ(layouts.count, 0);
    form.removeEventFilter(&layouts);

    data.Record.Barometer.Trend = 1;
    form.FillDisplay(data);
    EXPECT_EQ(text(form, "Label39"), "Trend: steigend");
    EXPECT_EQ(form.findChild<PictureView*>("Image1")->picture(), 1);
}

TEST(Form1, TitleAndStatusPanelsComeFromTheScheduler) {
    Form1 form;
    form.setAsynopStatus("ASYNOP: XXX");
    form.Titelleiste("Wetterpult - Aktiv", {"Import: 07:00:00", "Read: manuell", "Wetterlog: 9:07",
                                            "APRS: 0:59", "Laufzeit: 0:01:23:45"});
    EXPECT_EQ(form.windowTitle(), "Wetterpult - Aktiv");
    EXPECT_EQ(form.statusText(0), "ASYNOP: XXX");
    EXPECT_EQ(form.statusText(3), "Wetterlog: 9:07");
    EXPECT_EQ(form.statusText(5), "Laufzeit: 0:01:23:45");
}

TEST(Form1, ColumnsAndBoxesFollowTheResizeRule) {
    Form1 form;
    form.show();
    ColumnsArea* area = form.columns();
    area->resize(615, 443);
    EXPECT_EQ(form.findChild<QWidget*>("PanelLinks")->width(), 205);
    EXPECT_EQ(form.findChild<QWidget*>("PanelRechts")->width(), 205);
    EXPECT_EQ(form.findChild<QWidget*>("PanelMitte")->width(), 205);
    EXPECT_EQ(form.box(3)->height(), 147);
    EXPECT_EQ(form.box(6)->height(), 147);
    EXPECT_EQ(form.box(2)->height(), 149);
    EXPECT_EQ(form.box(10)->height(), form.box(9)->height());
    EXPECT_EQ(form.box(10)->y(), form.box(9)->y());
    // The right inner panel's thirds follow its height before the wind box moved.
    area->resize(615, 443);
    EXPECT_EQ(form.box(8)->height(), 99);  // (443 - 147) / 3 = 98.67
    EXPECT_EQ(form.box(11)->height(), 99);
    area->resize(800, 500);
    EXPECT_EQ(form.box(8)->height(), 118);  // (500 - 147) / 3 = 117.67
    EXPECT_EQ(form.box(10)->height(), 166);
    area->resize(801, 500);
    EXPECT_EQ(form.box(8)->height(), 111);  // (500 - 166) / 3 = 111.33
    EXPECT_EQ(form.box(7)->height(), 500 - 166 - 2 * 111);
    EXPECT_EQ(form.findChild<QWidget*>("PanelLinks")->width(), 267);  // 801 / 3
}

TEST(Form1, ColourChosenOnTheWindowItselfChangesNoBox) {
    Form1 form;
    acceptNextDialog(form.colorDialog(), [](QColorDialog* d) { d->setCurrentColor(Qt::red); });
    form.Farben2Click("Form1");
    for (const auto& [n, box] : form.columns()->boxes())
        EXPECT_EQ(box->backgroundColour(), kButtonFaceColour) << n;

    // The dialog keeps the colour it was left with; "Regen" takes it.
    acceptNextDialog(form.colorDialog(),
                     [](QColorDialog* d) { EXPECT_EQ(d->currentColor(), QColor(Qt::red)); });
    form.Farben2Click("GroupBox9");
    EXPECT_EQ(form.box(9)->backgroundColour(), 0x0000FFu);
    EXPECT_EQ(form.label("Label55")->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(form.box(4)->backgroundColour(), kButtonFaceColour);

    QTimer::singleShot(0, form.colorDialog(), [&] { form.colorDialog()->reject(); });
    form.Farben2Click("GroupBox4");
    EXPECT_EQ(form.box(4)->backgroundColour(), kButtonFaceColour);
}

TEST(Form1, FontChosenForABoxAppliesToItsLabelsButNotToTheScale) {
    Form1 form;
    FontChoiceDialog* dialog = form.fontDialog();
    acceptNextDialog(dialog, [](FontChoiceDialog* d) {
        QFont f(QStringLiteral("DejaVu Sans"));  // Debian's fontconfig always brings it
        f.setPointSize(12);
        f.setBold(true);
        d->preset(f, 0x0000FF);
    });
    form.Zeichen1Click("GroupBox10");
    ValueBox* wind = form.box(10);
    EXPECT_EQ(wind->fontSize(), 12);
    EXPECT_TRUE(wind->font().bold());
    EXPECT_EQ(wind->fontColour(), 0x0000FFu);
    EXPECT_EQ(form.label("Label66")->font().pointSize(), 12);
    EXPECT_EQ(form.label("Label66")->palette().color(QPalette::WindowText), QColor(Qt::red));
    const QFont scale = form.findChild<ScaleText*>("panWindTop")->font();
    EXPECT_EQ(scale.pixelSize(), 8);
    EXPECT_FALSE(scale.bold());
    EXPECT_EQ(form.box(9)->fontSize(), 8);
}

TEST(Form1, GraphicViewGoesToItsHookOnlyForABox) {
    Form1 form;
    form.qsthermoClick("GroupBox4");  // no graphic windows yet: nothing happens
    QList<int> asked;
    form.graphicView = [&](int box) { asked << box; };
    form.qsthermoClick("GroupBox4");
    form.qsthermoClick("Form1");
    EXPECT_EQ(asked, QList<int>({4}));
}

TEST(Form1, ReceiveLampLightsWhileBytesArrive) {
    Form1 form;
    form.show();
    EXPECT_FALSE(form.topBand()->receiving());
    form.bytesReceived(QByteArrayView("\x8F\x01", 2));
    EXPECT_TRUE(form.topBand()->receiving());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.topBand()->receiving(); }, 5000));

    // While seconds come, each shows whether bytes came during the one before.
    TopBand& band = *form.topBand();
    band.secondPassed();
    form.bytesReceived(QByteArrayView("\x8F\x01", 2));
    EXPECT_FALSE(band.receiving());
    band.secondPassed();
    EXPECT_TRUE(band.receiving());
    band.secondPassed();
    EXPECT_FALSE(band.receiving());
}

TEST(WindowsColour, PlainAndSystemColours) {
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::Highlight, QColor(4, 5, 6));
    EXPECT_EQ(colourFromWindows(0x8000000F, p), QColor(1, 2, 3));
    EXPECT_EQ(colourFromWindows(0x8000000D, p), QColor(4, 5, 6));
    EXPECT_EQ(colourFromWindows(0x00FF8040, p), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(colourFromWindows(8, p), QColor(8, 0, 0));
    EXPECT_EQ(windowsFromColour(QColor(0x40, 0x80, 0xFF)), 0x00FF8040u);
}
