#include "display/ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <utility>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "display/display_design.h"
#include "display/main_window_actions.h"
#include "display/ui/columns_area.h"
#include "display/ui/font_choice_dialog.h"
#include "display/ui/lamp.h"
#include "display/ui/main_menu.h"
#include "display/ui/picture_view.h"
#include "display/ui/status_panels.h"
#include "display/ui/top_band.h"
#include "display/ui/value_box.h"
#include "display/ui/windows_colour.h"
#include "station/ui/checksum_window.h"
#include "station/ui/com_data_window.h"
#include "station/ui/wind5_window.h"

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Wetterpult - Inactive"));
    // The window's texts are designed for an 8-point font.
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);
    menu_ = std::make_unique<MainMenu>(menuBar());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    topBand_ = new TopBand(menu_->C1, central);
    columns_ = new ColumnsArea(central);
    layout->addWidget(topBand_);
    layout->addWidget(columns_, 1);
    setCentralWidget(central);
    status_ = new StatusPanels(this);
    setStatusBar(status_);

    for (QLabel* l : findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            labels_.insert(l->objectName(), l);
    for (QProgressBar* b : findChildren<QProgressBar*>())
        bars_.insert(b->objectName(), b);
    for (const auto& [number, box] : columns_->boxes()) {
        // Tab walks the boxes, so that the menu key and Shift+F10 open the menu of one of them.
        box->setFocusPolicy(Qt::TabFocus);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box = box](QPoint pos) {
            openPopup(box->objectName(), box->mapToGlobal(pos));
        });
    }

    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            QWidget* focused = focusWidget();
            const bool onBox = focused && groupBoxNumber(focused->objectName()) != 0;
            QWidget* target = onBox ? focused : centralWidget();
            openPopup(onBox ? focused->objectName() : objectName(),
                      target->mapToGlobal(target->rect().center()));
        });
    }

    comData_ = new ComDataWindow(this);
    checksums_ = new ChecksumWindow(this);
    wind5_ = new Wind5Window(this);
    colorDialog_ = new QColorDialog(this);
    colorDialog_->setObjectName(QStringLiteral("ColorDialog1"));
    colorDialog_->setOption(QColorDialog::DontUseNativeDialog);
    fontDialog_ = new FontChoiceDialog(this);
    connectMenus();
    // Until the first group, the value labels show "--" rather than their design captions, which
    // would read like values ("ZeitHi", "12:30:00").
    applyRefresh(::FillDisplay(StationData{}, DisplayMemory{}, Formats::german(),
                               AppClock::currentDateTime()));
    resize(615, 523 + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

void Form1::connectMenus() {
    MainMenu& m = *menu_;
    connect(m.C1, &QAction::triggered, this, [this] {
        if (actions_)
            setActive(actions_->toggleActive());
    });
    // The items "JETZT ..." by the names of their run-now commands.
    const std::pair<QAction*, const char*> runNowItems[] = {
        {m.JETZTerstellen1, "import"}, {m.JETZTReaderstellen1, "read"},
        {m.JETZTLogupdaten1, "log"},   {m.JETZTAPRSerstellen1, "aprs"},
        {m.NeueDatei, "asynop-new"},   {m.ZeileAnh, "asynop-line"},
        {m.Dateieende, "asynop-end"}};
    for (const auto& [item, command] : runNowItems)
        connect(item, &QAction::triggered, this, [this, command = QString::fromLatin1(command)] {
            if (actions_)
                actions_->runNow(command);
        });
    connect(m.Drucken1, &QAction::triggered, this, [this] {
        if (actions_)
            actions_->printNow();
    });
    connect(m.Beenden1, &QAction::triggered, this, &QWidget::close);

    connect(m.ShowCOMData1, &QAction::triggered, this, [this] { toggleToolWindow(comData_); });
    connect(m.DumpCOMData1, &QAction::triggered, this, &Form1::dumpComData);
    connect(m.ShowAllChkSums1, &QAction::triggered, this, [this] { toggleToolWindow(checksums_); });
    connect(checksums_, &GridWindow::hidden, this,
            [this] { menu_->ShowAllChkSums1->setChecked(false); });
    connect(m.N5xWind1, &QAction::triggered, this, [this] { toggleToolWindow(wind5_); });
    connect(wind5_, &GridWindow::hidden, this, [this] { menu_->N5xWind1->setChecked(false); });

    connect(m.Zeichen1, &QAction::triggered, this, [this] { Zeichen1Click(popupComponent_); });
    connect(m.Farben2, &QAction::triggered, this, [this] { Farben2Click(popupComponent_); });
    connect(m.qsthermo, &QAction::triggered, this, [this] { qsthermoClick(popupComponent_); });
}

void Form1::FillDisplay(const StationData& station) {
    FillDisplay(station, DisplayGroups{true, true, true, true, true});
}

void Form1::FillDisplay(const StationData& station, const DisplayGroups& groups) {
    DisplayMemory shown;
    shown.trendLabel = label(QStringLiteral("Label39"))->text();
    shown.forecastLabel = label(QStringLiteral("Label40"))->text();
    applyRefresh(
        ::FillDisplay(station, shown, Formats::german(), AppClock::currentDateTime(), groups));
}

int Form1::applyRefresh(const DisplayRefresh& r) {
    int changes = 0;
    for (const LabelText& t : r.labels) {
        QLabel* l = labels_.value(t.name);
        if (l && l->text() != t.text) {
            l->setText(t.text);
            ++changes;
        }
    }
    for (const BarPosition& b : r.bars) {
        QProgressBar* bar = bars_.value(b.name);
        if (bar && bar->value() != b.value) {
            bar->setValue(b.value);
            ++changes;
        }
    }
    ValueBox* barometer = box(6);
    if (r.trendPicture && barometer->trendPicture()->picture() != *r.trendPicture) {
        barometer->trendPicture()->setPicture(*r.trendPicture);
        ++changes;
    }
    if (r.forecastPicture && barometer->forecastPicture()->picture() != *r.forecastPicture) {
        barometer->forecastPicture()->setPicture(*r.forecastPicture);
        ++changes;
    }
    if (!r.windPart)
        return changes;
    const QColor battery = colourFromWindows(r.batteryColour, palette());
    if (topBand_->batteryLamp()->colour() != battery) {
        topBand_->batteryLamp()->setColour(battery);
        ++changes;
    }
    wind5_->setRows(r.windRows);
    if (roseUpdate)
        roseUpdate(r.roseSpeed);
    return changes;
}

void Form1::Titelleiste(const QString& caption, const std::array<QString, 5>& panels) {
    if (windowTitle() != caption)
        setWindowTitle(caption);
    for (int i = 0; i < 5; ++i)
        status_->setText(i + 1, panels[std::size_t(i)]);
}

void Form1::setAsynopStatus(const QString& text) {
    status_->setText(0, text);
}

QString Form1::statusText(int panel) const {
    return status_->text(panel);
}

void Form1::setActive(bool active) {
    menu_->C1->setChecked(active);
}

bool Form1::isActive() const {
    return menu_->C1->isChecked();
}

void Form1::bytesReceived(QByteArrayView bytes) {
    topBand_->bytesReceived();
    comData_->bytesReceived(bytes);
}

void Form1::checksumResult(int row, const QString& text) {
    checksums_->setResult(row, text);
}

void Form1::setPortName(const QString& port) {
    comData_->setPortName(port);
}

ValueBox* Form1::box(int number) const {
    return columns_->box(number);
}

QLabel* Form1::label(const QString& name) const {
    return labels_.value(name);
}

void Form1::openPopup(const QString& component, const QPoint& globalPos) {
    popupComponent_ = component;
    menu_->PopupMenu1->popup(globalPos);
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    // Outside the boxes the menu belongs to the window itself.
    openPopup(objectName(), event->globalPos());
}

void Form1::Farben2Click(const QString& component) {
    // The dialog opens with the colour it was left with, not the box's.
    if (colorDialog_->exec() != QDialog::Accepted)
        return;
    if (ValueBox* b = box(groupBoxNumber(component)))
        b->setBackgroundColour(windowsFromColour(colorDialog_->selectedColor()));
}

void Form1::Zeichen1Click(const QString& component) {
    ValueBox* b = box(groupBoxNumber(component));
    // On the window itself the dialog shows the window's font; the choice then changes nothing.
    fontDialog_->preset(b ? b->font() : font(), b ? b->fontColour() : 8);
    if (fontDialog_->exec() != QDialog::Accepted || !b)
        return;
    b->setFont(fontDialog_->chosenFont());
    b->setFontColour(fontDialog_->chosenColour());
}

void Form1::qsthermoClick(const QString& component) {
    const int number = groupBoxNumber(component);
    if (number != 0 && graphicView)
        graphicView(number);
}

void Form1::toggleToolWindow(QWidget* window) {
    if (window->isVisible()) {
        window->hide();
        return;
    }
    if (!window->property("placed").toBool()) {
        // Centred on the main window the first time; afterwards where the user left it.
        window->move(geometry().center() - window->rect().center());
        window->setProperty("placed", true);
    }
    window->show();
    window->raise();
    if (window == checksums_)
        menu_->ShowAllChkSums1->setChecked(true);
    if (window == wind5_)
        menu_->N5xWind1->setChecked(true);
}

void Form1::dumpComData() {
    if (!comData_->isVisible())
        toggleToolWindow(comData_);
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("COM-Daten speichern"), programFolder_,
                                     QStringLiteral("Rohdaten (*.bin);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!comData_->dumpTo(path, &error))
        reportError(QStringLiteral("Die COM-Daten konnten nicht nach %1 geschrieben werden: %2")
                        .arg(path, error));
}

void Form1::closeEvent(QCloseEvent* event) {
    if (actions_ && !actions_->mayClose()) {
        event->ignore();
        return;
    }
    comData_->close();
    checksums_->close();
    wind5_->close();
    event->accept();
}
