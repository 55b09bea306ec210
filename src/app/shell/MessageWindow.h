#pragma once

#include "shell/Message.h"

#include <optional>

namespace ms::gui {

class TMessageForm;

// Shows core messages in the program's message window and returns the user's answer. Tests queue
// answers in advance; a queued answer is taken instead of showing the window modally, and the
// message is laid out and remembered all the same.
class MessageWindow : public ms::MessageSink {
  public:
    MessageAnswer show(const Message& message) override;

    // Fills the form as every caller does: mode, picture, header, text, proposal and buttons.
    static void prepare(TMessageForm& form, const Message& message);

    static void setNextAnswer(const MessageAnswer& answer);
    static void clearAnswers();
    static std::optional<Message> lastMessage();
};

// The sink the program's operations use.
ms::MessageSink& messageSink();

} // namespace ms::gui
