#pragma once

#include <QChar>
#include <QString>
#include <functional>

// Width in pixels of a text in the window's font.
using TMesureTexte = std::function<int(const QString&)>;

// Right-aligns a trimmed text by putting blanks in front of it until it is wider than
// width - 10 pixels; an empty text stays empty. Without a measure the text is only trimmed:
// values computed for no window need no alignment.
QString Rset(const QString& text, int width, const TMesureTexte& mesure);

// The largest amount a document shows to the cent.
constexpr double MontantMaximum = 999999999.99;

// An amount text (decimal comma) as a number: the conversion message for a text that does not
// convert, is written with an exponent ("1E15") or lies beyond MontantMaximum either way.
double LitMontant(const QString& texte);

// The value a format shows of an amount: rounded to its decimals, so that totals add up the
// amounts as they are shown.
double MontantAffiche(const QString& format, double valeur);

// Converts an amount text (decimal comma) through the 6-byte real, formats it with `format`
// ("0.00", "0.0" or "0") and right-aligns it; a blank text gives an empty text; a text
// that is no amount stops with the conversion message.
QString FormatStr(const QString& text, int width, const QString& format,
                  const TMesureTexte& mesure);

// The key filter of amount fields: a full stop becomes a comma, backspace passes, and
// otherwise only "1234567890," pass. Returns a null QChar for a key to discard.
QChar filtreMontant(QChar key);

// The same rule for a whole text arriving in an amount field (pasted, dropped): each character
// through the key filter, the blanks of alignment and a sign kept as they are. Returns a null
// text when a character would be discarded, so that the text is refused as a whole.
QString filtreTexteMontant(const QString& texte);
