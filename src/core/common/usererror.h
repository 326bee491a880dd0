#pragma once

#include <QString>
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
