#include "app/ui/view_windows.h"

#include <QAction>
#include <QLabel>

#include "base/app_clock.h"
#include "base/ui/screen_place.h"
#include "display/ui/about_box.h"
#include "display/ui/alarm_window.h"
#include "display/ui/explorer_window.h"
#include "display/ui/form1.h"
#include "display/ui/main_menu.h"
#include "display/ui/readme_opener.h"
#include "display/ui/thermometer_window.h"
#include "display/ui/wind_rose_window.h"
#include "geo/ui/sun_window.h"

ViewWindows::ViewWindows(Form1& form, const StationData& station, QString readmePath)
    : form_(form), station_(station), readmePath_(std::move(readmePath)) {}

ViewWindows::~ViewWindows() {
    // The rose hangs on the display refresh; it goes first.
    form_.roseUpdate = nullptr;
    form_.graphicView = nullptr;
}

void ViewWindows::create(Window window) {
    switch (window) {
        case Window::About:
            about_ = std::make_unique<AboutBox>([this] { openReadme(); }, &form_);
            break;
        case Window::Alarms:
            alarms_ = std::make_unique<AlarmWindow>(
                [this](const QString& name) {
                    const QLabel* l = form_.label(name);
                    return l ? l->text() : QString();
                },
                &form_);
            break;
        case Window::Thermometer:
            thermometer_ = std::make_unique<ThermometerWindow>(station_.Record, &form_);
            break;
        case Window::Explorer:
            explorer_ = std::make_unique<ExplorerWindow>(&form_);
            break;
        case Window::Rose:
            rose_ = std::make_unique<WindRoseWindow>(station_.Record, &form_);
            break;
        case Window::Sun:
            sun_ = std::make_unique<SunWindow>(AppClock::currentDateTime().date(), &form_);
            break;
    }
}

void ViewWindows::connectMenu() {
    const MainMenu& m = form_.menu();
    QObject::connect(m.Windrose1, &QAction::triggered, rose_.get(), [this] { Windrose1Click(); });
    QObject::connect(m.Alarme1, &QAction::triggered, alarms_.get(), [this] { Alarme1Click(); });
    QObject::connect(m.Quecksilber1, &QAction::triggered, thermometer_.get(),
                     [this] { Quecksilber1Click(); });
    QObject::connect(m.Explorer1, &QAction::triggered, explorer_.get(),
                     [this] { showOver(explorer_.get()); });
    QObject::connect(m.Sonne1, &QAction::triggered, sun_.get(), [this] { showOver(sun_.get()); });
    QObject::connect(m.About1, &QAction::triggered, about_.get(), [this] { about_->exec(); });
    QObject::connect(m.ReadMe1, &QAction::triggered, about_.get(), [this] { openReadme(); });

    // Closing a window with its close box drops its check mark.
    QObject::connect(rose_.get(), &WindRoseWindow::hidden, m.Windrose1,
                     [item = m.Windrose1] { item->setChecked(false); });
    QObject::connect(alarms_.get(), &GridWindow::hidden, m.Alarme1,
                     [item = m.Alarme1] { item->setChecked(false); });
    QObject::connect(thermometer_.get(), &ThermometerWindow::hidden, m.Quecksilber1,
                     [item = m.Quecksilber1] { item->setChecked(false); });

    // The readings are shown without taking the focus from the window the user works in, and
    // the main menu's function keys work in every one of these windows as in the main window.
    for (QWidget* reading :
         {static_cast<QWidget*>(rose_.get()), static_cast<QWidget*>(thermometer_.get()),
          static_cast<QWidget*>(alarms_.get())})
        reading->setAttribute(Qt::WA_ShowWithoutActivating);
    for (QWidget* window :
         {static_cast<QWidget*>(rose_.get()), static_cast<QWidget*>(thermometer_.get()),
          static_cast<QWidget*>(alarms_.get()), static_cast<QWidget*>(explorer_.get()),
          static_cast<QWidget*>(sun_.get())})
        window->addActions({m.C1, m.Windrose1, m.Quecksilber1, m.Verlauf1, m.About1});

    form_.graphicView = [this](int number) { graphicView(number); };
    // The display refresh hands the rose the gust only while it is shown.
    form_.roseUpdate = [this](std::uint16_t gust) {
        if (rose_->isVisible())
            rose_->UpdateRose(gust);
    };
}

void ViewWindows::showOver(QWidget* window) {
    if (!window->property("placed").toBool()) {
        // Centred on the main window the first time; afterwards where the user left it.
        // (on the screen: a window taller than the room above the main window's centre would
        // otherwise open with its title bar above the screen).
        placeOnScreen(*window,
                      QRect(form_.geometry().center() - window->rect().center(), window->size()));
        window->setProperty("placed", true);
    }
    window->show();
    window->raise();
    if (!window->testAttribute(Qt::WA_ShowWithoutActivating))
        window->activateWindow();
}

void ViewWindows::Windrose1Click() {
    QAction* item = form_.menu().Windrose1;
    // The item has already changed its check mark when triggered; the window follows it.
    if (item->isChecked())
        showOver(rose_.get());
    else
        rose_->hide();
}

void ViewWindows::Alarme1Click() {
    QAction* item = form_.menu().Alarme1;
    if (item->isChecked())
        showOver(alarms_.get());
    else
        alarms_->hide();
}

void ViewWindows::Quecksilber1Click() {
    if (thermometer_->isVisible())
        thermometer_->hide();
    else
        showOver(thermometer_.get());
    form_.menu().Quecksilber1->setChecked(thermometer_->isVisible());
}

void ViewWindows::graphicView(int number) {
    ThermometerQuantity quantity = ThermometerQuantity::OutdoorTemp;
    switch (number) {
        case 4:
            quantity = ThermometerQuantity::IndoorTemp;
            break;
        case 5:
            quantity = ThermometerQuantity::OutdoorTemp;
            break;
        case 7:
            quantity = ThermometerQuantity::IndoorDew;
            break;
        case 8:
            quantity = ThermometerQuantity::OutdoorDew;
            break;
        case 11:
            quantity = ThermometerQuantity::Windchill;
            break;
        case 10:
            form_.menu().Windrose1->setChecked(true);
            showOver(rose_.get());
            return;
        default:
            return;
    }
    thermometer_->setQuantity(quantity);
    showOver(thermometer_.get());
    form_.menu().Quecksilber1->setChecked(true);
}

void ViewWindows::openReadme() {
    ::openReadme(readmePath_);
}
