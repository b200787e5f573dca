#include "display/ui/message_box_notifier.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "display/ui/guarded_application.h"
#include "support/qt_printers.h"

namespace {
// Clicks the button with this text in the message box that is shown next; records what it saw.
struct BoxClicker {
    QString caption, text, details;
    QStringList buttons;
    void clickNext(const QString& button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            text = box->text();
            details = box->detailedText();
            for (QAbstractButton* b : box->buttons()) {
                buttons << b->text();
                if (b->text() == button)
                    b->click();
            }
        });
    }
};
}  // namespace

TEST(MessageBoxNotifier, ShowsCaptionTextAndGermanButtons) {
    MessageBoxNotifier notifier;
    ScopedNotifier scoped(notifier);
    BoxClicker clicker;
    clicker.clickNext("Nein");
    EXPECT_EQ(notify("Wetterpult", "Datei ersetzen?", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(clicker.caption, "Wetterpult");
    EXPECT_EQ(clicker.text, "Datei ersetzen?");
    EXPECT_EQ(clicker.details, "");
    clicker.buttons.sort();
    EXPECT_EQ(clicker.buttons, QStringList({"Ja", "Nein"}));
    // A failure's path and reason go behind the details button.
    clicker.clickNext("OK");
    notify("APRS", "Fehler beim Erstellen der APRS-Datei", MessageButtons::OkCancel,
           "/wx/aprs.txt: Platte voll");
    EXPECT_EQ(clicker.details, "/wx/aprs.txt: Platte voll");
}

TEST(MessageBoxNotifier, TheGeneralErrorHandlerShowsTheTextAndTheProgramGoesOn) {
    MessageBoxNotifier notifier;
    ScopedNotifier scoped(notifier);
    BoxClicker clicker;
    clicker.clickNext("OK");
    const bool taken = runGuarded(
        []() -> bool { throw std::runtime_error("'abc' ist kein gültiger Integerwert"); });
    EXPECT_FALSE(taken);
    EXPECT_EQ(clicker.text, QString::fromUtf8("'abc' ist kein gültiger Integerwert"));
    EXPECT_TRUE(runGuarded([] { return true; }));
}

TEST(MessageBoxNotifier, TheSameMessageIsNotStackedOnItself) {
    MessageBoxNotifier notifier;
    ScopedNotifier scoped(notifier);
    int shown = 0;
    // While the first box is open, the same error arrives again and a different one after it.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        ++shown;
        EXPECT_EQ(notify("Wetterpult", "Port weg"), MessageAnswer::Ok);  // answered at once
        BoxClicker inner;
        inner.clickNext("OK");
        notify("Wetterpult", "Etwas anderes");
        EXPECT_EQ(inner.text, "Etwas anderes");
        box->button(QMessageBox::Ok)->click();
    });
    notify("Wetterpult", "Port weg");
    EXPECT_EQ(shown, 1);
}
