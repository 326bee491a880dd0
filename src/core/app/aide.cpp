#include "core/app/aide.h"

#include "core/app/descriptionbase.h"
#include "core/common/pli.h"

#include <QFile>
#include <QTextDocument>

namespace Aide {

const QList<TPageAide>& pages() {
    static const QList<TPageAide> liste = {
        {Sommaire, QStringLiteral("Sommaire de l'aide")},
        {QStringLiteral("fenetre.html"), QStringLiteral("La fenêtre principale")},
        {QStringLiteral("fichier.html"), QStringLiteral("Menu Fichier : le dossier")},
        {QStringLiteral("edition.html"),
         QStringLiteral("Menu Edition : copier, rechercher, trier")},
        {QStringLiteral("bases.html"), QStringLiteral("Menu Bases : les pages et les fiches")},
        {QStringLiteral("locataire.html"), QStringLiteral("Fiche locataire")},
        {QStringLiteral("lot.html"), QStringLiteral("Fiche lot")},
        {QStringLiteral("fournisseur.html"), QStringLiteral("Fiche fournisseur")},
        {QStringLiteral("location.html"), QStringLiteral("Menu Location : les documents de loyer")},
        {QStringLiteral("quittance.html"), QStringLiteral("Quittances de loyer")},
        {QStringLiteral("releve.html"),
         QStringLiteral("Relevé bancaire : les quittances des loyers payés")},
        {QStringLiteral("avis.html"), QStringLiteral("Avis d'échéance")},
        {QStringLiteral("recu.html"), QStringLiteral("Reçus")},
        {QStringLiteral("achat.html"), QStringLiteral("Menu Achat et bons de commande")},
        {QStringLiteral("selection.html"), QStringLiteral("Menu Sélection")},
        {QStringLiteral("outils.html"), QStringLiteral("Menu Outils : courrier, statistiques")},
        {QStringLiteral("parametres.html"), QStringLiteral("Menu Paramètres")},
        {QStringLiteral("utilitaires.html"),
         QStringLiteral("Menu Utilitaires : calculatrice, euros, calendrier")},
        {QStringLiteral("impression.html"), QStringLiteral("Imprimer, aperçu et PDF")},
        {QStringLiteral("lignecommande.html"), QStringLiteral("La ligne de commande")},
        {UtiliserAide, QStringLiteral("Utiliser l'aide")},
    };
    return liste;
}

QString pageContexte(int contexte) {
    switch (contexte) {
    case 3:
        return QStringLiteral("fichier.html");
    case 4:
        return QStringLiteral("edition.html");
    case 5:
        return QStringLiteral("bases.html");
    case 6:
        return QStringLiteral("location.html");
    case 7:
        return QStringLiteral("achat.html");
    case 8:
        return QStringLiteral("selection.html");
    case 9:
        return QStringLiteral("outils.html");
    case 10:
        return QStringLiteral("parametres.html");
    case 11:
        return QStringLiteral("utilitaires.html");
    case 12:
        return UtiliserAide;
    default:
        return Sommaire;
    }
}

QString pageBase(Base base) {
    return QString::fromLatin1(descriptionBase(base).pageAide);
}

QString url(const QString& fichier) {
    return QStringLiteral("qrc") + Racine + u'/' + fichier;
}

QString texte(const QString& fichier) {
    QFile f(Racine + u'/' + fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(f.readAll()));
    return document.toPlainText();
}

QStringList cherche(const QString& recherche) {
    const QStringList mots = PliTexte(recherche).split(u' ', Qt::SkipEmptyParts);
    QStringList trouvees;
    if (mots.isEmpty())
        return trouvees;
    for (const TPageAide& page : pages()) {
        const QString contenu = PliTexte(page.titre + u'\n' + texte(page.fichier));
        bool toutes = true;
        for (const QString& mot : mots)
            toutes = toutes && contenu.contains(mot);
        if (toutes)
            trouvees << page.fichier;
    }
    return trouvees;
}

} // namespace Aide
