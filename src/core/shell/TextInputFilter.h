#pragma once

#include <cstddef>

namespace ms {

// The three text boxes whose typed characters are filtered.
enum class TextBox {
    ShipName,        // NewShipNameText
    ShipDescription, // NewShipTextText
    MessageInput,    // MsgBoxQuest of the message window
};

inline constexpr char32_t kBackspace = 8;

// Whether a typed character is taken into the box that currently holds `currentLength`
// characters. Only typed characters pass through here; Backspace is always taken, also at the
// length limit, so a full box can still be shortened.
bool acceptsTypedChar(TextBox box, char32_t c, std::size_t currentLength);

// The most characters the box reaches by typing (36, 256, 30).
std::size_t typedLengthLimit(TextBox box);

} // namespace ms
