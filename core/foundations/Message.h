#pragma once

#include <string>
#include <vector>

namespace kelvane {

// A text for the user in parts: a pattern with the placeholders %1 to %9 and
// what fills them. Files and the command line take the English as composed
// here; a window translates the pattern and each word where it shows them,
// so a translation can put the parts in its own order.
struct Message {
    // What fills a placeholder: a word of the core (a field's name, a unit),
    // translated where shown, a literal (a number, a file name), shown
    // exactly as written in every language, or a message of its own.
    struct Part {
        std::string text;
        bool word = false;
        std::vector<Message> inner; // the message, when the part is one
        bool operator==(const Part&) const = default;
    };

    std::string pattern;
    std::vector<Part> parts;

    Message() = default;
    // A text with nothing to fill in: the pattern is the whole text.
    Message(std::string text) : pattern(std::move(text)) {}
    Message(const char* text) : pattern(text) {}
    Message(std::string p, std::vector<Part> filled)
        : pattern(std::move(p)), parts(std::move(filled)) {}

    static Part Word(std::string text) { return {std::move(text), true, {}}; }
    static Part Literal(std::string text) { return {std::move(text), false, {}}; }
    static Part Inner(Message message) { return {{}, false, {std::move(message)}}; }

    // The pattern with its placeholders filled: the English.
    std::string English() const;

    bool operator==(const Message&) const = default;
};

} // namespace kelvane
