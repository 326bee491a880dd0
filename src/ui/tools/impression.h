#pragma once

class QFont;
class QString;
class QTextDocument;
class QWidget;

// Printing of the desk tools' texts: the print dialog, then the text on the printer chosen.
// Nothing is printed when the dialog is cancelled.

// A letter, with its formatting, under an empty job title.
void imprimeLettre(const QTextDocument& lettre, QWidget* parent);
// Plain text in one font, one printed line per line, long lines wrapped.
void imprimeTexte(const QString& texte, const QFont& police, QWidget* parent);
