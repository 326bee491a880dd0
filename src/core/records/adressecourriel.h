#pragma once

#include <QString>

// A plain e-mail address, "nom@domaine.fr": letters, digits and ". _ + -" before the "@" (not
// first), a domain of dotted names after it. Nothing else, so that no option of the mail
// program, no "mailto:" and no query part ("?attach=...") can come from the field.
bool estAdresseCourriel(const QString& texte);
// The message that refuses a text that is not one.
QString refusAdresseCourriel(const QString& texte);
