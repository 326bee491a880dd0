#pragma once

#include <QString>

class QPlainTextEdit;

// The text of a multi-line editor as typed or read, its lines joined by '\n': every character
// kept, the non-breaking space included, which QPlainTextEdit::toPlainText turns into a blank.
QString texteMemo(const QPlainTextEdit& memo);
