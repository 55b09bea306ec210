#pragma once

#include <string>

namespace ms {

// A question, refusal or text request for the program's own message window. The core describes
// it; the GUI shows it modally and answers.
struct Message {
    bool inputMode = false;     // with a one-line input box
    std::string picture;        // "Frage" or "Info"
    std::string header;
    std::string text;           // line breaks as "\r"
    std::string proposal;       // preset of the input box (input mode)
    std::string okCaption = "OK";
    std::string abortCaption;   // empty: no abort button
};

struct MessageAnswer {
    bool confirmed = false;     // the user pressed the OK button
    std::string input;          // the input box's text (input mode)
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

} // namespace ms
