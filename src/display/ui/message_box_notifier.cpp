#include "display/ui/message_box_notifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
struct Buttons {
    QMessageBox::StandardButtons set;
    QMessageBox::StandardButton first;
};

Buttons buttonsFor(MessageButtons b) {
    switch (b) {
        case MessageButtons::OkCancel:
            return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
        case MessageButtons::YesNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
        case MessageButtons::YesNoCancel:
            return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
        case MessageButtons::Ok:
            break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

MessageAnswer answerFor(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}
}  // namespace

MessageAnswer MessageBoxNotifier::show(const Message& message) {
    if (showing_ && showing_->caption == message.caption && showing_->text == message.text)
        return MessageAnswer::Ok;
    const Buttons b = buttonsFor(message.buttons);
    QMessageBox box(message.information                     ? QMessageBox::Information
                    : message.buttons == MessageButtons::Ok ? QMessageBox::Warning
                                                            : QMessageBox::Question,
                    message.caption, message.text, b.set, QApplication::activeWindow());
    box.setDefaultButton(b.first);
    // The path and the system's reason behind the "Details" button.
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
    // German button texts whatever translations the desktop offers.
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Cancel, "Abbrechen"},
        {QMessageBox::Yes, "Ja"},
        {QMessageBox::No, "Nein"}};
    for (const auto& [button, text] : texts)
        if (QAbstractButton* w = box.button(button))
            w->setText(QString::fromUtf8(text));
    const Message* outer = showing_;
    showing_ = &message;
    const int answer = box.exec();
    showing_ = outer;
    return answerFor(answer);
}
