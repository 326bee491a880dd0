#pragma once

#include <QString>

// Letters without their accents, in lower case, so that "reçu" finds "Reçus" and "recu": the
// form in which texts are compared when neither letter case nor accents count.
QString PliTexte(const QString& texte);
