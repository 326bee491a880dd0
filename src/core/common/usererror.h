#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

// A command stopped with a message for the user, in the program's own French words.
// The ui catches it at the command boundary and shows the text in a message box.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A command stopped before it would drop an edit that cannot be stored: the message says why.
// The ui lets the user go back to the edit, or give it up (`abandonne`) and run the command
// again.
class EditionNonEnregistree : public UserError {
public:
    EditionNonEnregistree(const QString& message, std::function<void()> abandonne)
        : UserError(message), m_abandonne(std::move(abandonne)) {}
    void abandonne() const { m_abandonne(); }

private:
    std::function<void()> m_abandonne;
};
