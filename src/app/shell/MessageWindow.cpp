#include "shell/MessageWindow.h"

#include "shell/ImageCollection.h"
#include "shell/TMessageForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <memory>

namespace ms::gui {

namespace {
std::deque<MessageAnswer>& queuedAnswers() {
    static std::deque<MessageAnswer> answers;
    return answers;
}
std::optional<Message>& lastShown() {
    static std::optional<Message> message;
    return message;
}
QString q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

void MessageWindow::prepare(TMessageForm& form, const Message& message) {
    form.setInputMode(message.inputMode);
    form.remarkImage()->setPixmap(ImageCollection::pixmap(q(message.picture), QSize(64, 64)));
    form.headerLabel()->setText(q(message.header));
    form.msgBoxLabel()->setText(q(message.text));
    if (message.inputMode)
        form.msgBoxQuest()->setText(q(message.proposal));
    form.okBtn()->setVisible(true);
    form.okBtn()->setText(q(message.okCaption));
    form.abortBtn()->setText(q(message.abortCaption));
    form.abortBtn()->setVisible(!message.abortCaption.empty());
}

MessageAnswer MessageWindow::show(const Message& message) {
    std::unique_ptr<TMessageForm> own;
    TMessageForm* form = TMessageForm::instance();
    if (!form) {
        own = std::make_unique<TMessageForm>();
        form = own.get();
    }
    prepare(*form, message);
    lastShown() = message;
    if (!queuedAnswers().empty()) {
        MessageAnswer answer = queuedAnswers().front();
        queuedAnswers().pop_front();
        form->applyLayout();
        // An answer without input takes what the box holds: the caller's proposal.
        if (message.inputMode && answer.input.empty())
            answer.input = form->msgBoxQuest()->text().toStdString();
        return answer;
    }
    // Over the window that asks: an open yard window or overview, else the main window.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == form)
        owner = form->parentWidget();
    MessageAnswer answer;
    answer.confirmed = form->execOver(owner) == QDialog::Accepted;
    if (message.inputMode)
        answer.input = form->msgBoxQuest()->text().toStdString();
    return answer;
}

void MessageWindow::setNextAnswer(const MessageAnswer& answer) {
    queuedAnswers().push_back(answer);
}

void MessageWindow::clearAnswers() {
    queuedAnswers().clear();
    lastShown().reset();
}

std::optional<Message> MessageWindow::lastMessage() {
    return lastShown();
}

ms::MessageSink& messageSink() {
    static MessageWindow window;
    return window;
}

} // namespace ms::gui
