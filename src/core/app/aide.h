#pragma once

#include "core/store/bases.h"

#include <QList>
#include <QString>
#include <QStringList>

// The program's help: HTML pages shipped inside the program, one for each window and each menu,
// under the summary page.
namespace Aide {

struct TPageAide {
    QString fichier; // "quittance.html"
    QString titre;
};

// Where the pages are read from.
inline const QString Racine = QStringLiteral(":/aide");
inline const QString Sommaire = QStringLiteral("index.html");
// How to use the help window ("Utiliser l'aide").
inline const QString UtiliserAide = QStringLiteral("aide.html");

// Every page, in the order of the summary.
const QList<TPageAide>& pages();
// The page of a menu's help context (3 "&Fichier" to 12 "&?"); the summary for another one.
QString pageContexte(int contexte);
// The page of the window that shows a base.
QString pageBase(Base base);
// The URL of a page of the help.
QString url(const QString& fichier);
// The text of a page, without its markup.
QString texte(const QString& fichier);
// The pages whose title or text holds every word of `recherche`, letter case and accents not
// significant, in the order of the summary.
QStringList cherche(const QString& recherche);

} // namespace Aide
