#include "shell/TextInputFilter.h"

#include <string_view>

namespace ms {

namespace {
bool isAsciiLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}
// Digits start at 1: a typed "0" is refused in every box.
bool isDigitOneToNine(char32_t c) {
    return c >= U'1' && c <= U'9';
}
bool isGermanLetter(char32_t c) {
    return std::u32string_view(U"ÄÖÜßäöü").find(c) != std::u32string_view::npos;
}
bool isIn(char32_t c, std::u32string_view set) {
    return set.find(c) != std::u32string_view::npos;
}

bool isAllowed(TextBox box, char32_t c) {
    if (c > 255)
        return false;
    if (isAsciiLetter(c) || isDigitOneToNine(c))
        return true;
    switch (box) {
    case TextBox::ShipName:
        return isIn(c, U" ()-[]");
    case TextBox::ShipDescription:
        return isIn(c, U" !()*,-.<>[]") || isGermanLetter(c);
    case TextBox::MessageInput:
        return isIn(c, U" ()-[]") || isGermanLetter(c);
    }
    return false;
}
} // namespace

std::size_t typedLengthLimit(TextBox box) {
    switch (box) {
    case TextBox::ShipName:
        return 36;
    case TextBox::ShipDescription:
        return 256;
    case TextBox::MessageInput:
        return 30;
    }
    return 0;
}

bool acceptsTypedChar(TextBox box, char32_t c, std::size_t currentLength) {
    if (c == kBackspace)
        return true;
    if (!isAllowed(box, c))
        return false;
    return currentLength < typedLengthLimit(box);
}

} // namespace ms
