// The searches, sorts, imports and exports of the record window.
#include "core/app/tfiche.h"

#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/records/echange.h"
#include "core/store/recherche.h"
#include "core/store/selections.h"

#include <QDir>

void TFiche::Cherche(Recherche recherche, const QString& debut) {
    const Base b = m_pageActive;
    const std::optional<TDefRecherche> def = defRecherche(recherche, b);
    if (!def || debut.isEmpty())
        return;
    EcritPage(b);
    TListeBase& liste = base(b);
    const int cle = cherche(liste, def->ligne, debut, def->majuscules);
    if (cle < 0)
        throw UserError(QStringLiteral("Fiche %1 non trouvée")
                            .arg(def->majuscules ? majusculesAscii(debut) : debut));
    liste.allerA(cle);
    if (TPage* p = page(b))
        p->lit();
}

void TFiche::Trie(Tri tri, int critere) {
    const Base b = m_pageActive;
    const std::optional<TDefTri> def = defTri(tri, b);
    if (!def || critere < 0 || critere >= def->lignes.size())
        return;
    EcritPage(b);
    trie(base(b), def->lignes[critere]);
    m_dossierModifie = true;
    if (TPage* p = page(b))
        p->lit();
}

Echange::TBilan TFiche::Importe(const QString& chemin, const TProgression& progression) {
    const Base b = m_pageActive;
    const Echange::TDisposition disposition = dispositionPage(b);
    if (!TextFile::exists(chemin))
        throw UserError(
            QStringLiteral("Le ficher %1n'existe pas").arg(QDir::toNativeSeparators(chemin)));
    const QChar separateur = Echange::separateur(chemin);
    if (separateur.isNull())
        throw UserError(QStringLiteral("Type de fichier non valide"));
    EcritPage(b);
    const Echange::TBilan bilan =
        Echange::importe(base(b),
                         Echange::lignes(TextFile::readBytes(chemin, Echange::TailleMaxImport,
                                                             QStringLiteral("être importé"))),
                         separateur, disposition, progression);
    if (!bilan.importees) {
        Dernier();
        return bilan;
    }
    m_dossierModifie = true;
    // The move to the last record does nothing on a base of one block; the page must show the
    // record imported, not the card it showed before, which would be stored over it.
    TListeBase& liste = base(b);
    if (liste.nb() < 2) {
        liste.allerA(0);
        if (TPage* p = page(b))
            p->lit();
    } else {
        Dernier();
    }
    return bilan;
}

void TFiche::Exporte(const QString& chemin, const TProgression& progression) {
    const Base b = m_pageActive;
    const Echange::TDisposition disposition = dispositionPage(b);
    EcritPage(b);
    const QString fichier = Echange::cheminExport(chemin);
    TextFile::write(
        fichier, Echange::exporte(base(b), Echange::separateur(fichier), disposition, progression));
}
