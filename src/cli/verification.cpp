#include "cli/verification.h"
#include "core/app/descriptionbase.h"

#include "core/app/cheminsdossier.h"
#include "core/app/tfiche.h"
#include "core/app/verrou.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

// Each block as its lines run, from its sound opening line up to the next structural line.
QStringList textesBlocs(const TListeBase& base) {
    QStringList textes;
    for (const TListeBase::Position& position : base.blocs()) {
        QStringList lignes{base.line(position.ligne)};
        for (qsizetype i = position.ligne + 1; i < base.lineCount(); ++i) {
            lignes << base.line(i);
            if (TListeBase::analyse(base.line(i)).sorte != TListeBase::Sorte::Contenu)
                break;
        }
        textes << lignes.join(u'\n');
    }
    return textes;
}

int ouvertures(const TListeBase& base) {
    int n = 0;
    for (const QString& ligne : base.lines())
        n += TListeBase::analyse(ligne).sorte == TListeBase::Sorte::Ouverture;
    return n;
}

// The blocks of `apres` that `avant` does not hold as they are.
int reecrits(const TListeBase& avant, const TListeBase& apres) {
    QHash<QString, int> origine;
    for (const QString& texte : textesBlocs(avant))
        ++origine[texte];
    int n = 0;
    for (const QString& texte : textesBlocs(apres)) {
        if (origine.value(texte) > 0)
            --origine[texte];
        else
            ++n;
    }
    return n;
}

} // namespace

bool TVerification::saine() const {
    if (enregistrementInterrompu)
        return false;
    for (const TVerificationBase& b : bases)
        if (!b.saine())
            return false;
    return true;
}

QString nomBase(Base base) {
    return QString::fromUtf8(descriptionBase(base).nom);
}

QString nomFichier(int fichier) {
    return fichier < NbBases ? nomBase(static_cast<Base>(fichier))
                             : QString::fromUtf8(Annexes[fichier - NbBases].nom);
}

QString cheminDossierExistant(const QString& principal) {
    if (!estFichierLoc(principal))
        throw UserError(QStringLiteral("Type de fichier non valide : %1")
                            .arg(QDir::toNativeSeparators(principal)));
    const QString chemin = resolveFileName(principal);
    if (!TextFile::exists(chemin))
        throw UserError(QStringLiteral("Le fichier n'existe pas : %1")
                            .arg(QDir::toNativeSeparators(principal)));
    return chemin;
}

TVerification VerifieDossier(const QString& principal) {
    TVerification verification;
    verification.principal = cheminDossierExistant(principal);
    verification.enregistrementInterrompu =
        QFileInfo::exists(TFiche::journalDe(verification.principal));
    const auto fichiers = TFiche::cheminsDossier(verification.principal);
    for (int f = 0; f < NbFichiers; ++f) {
        TVerificationBase resultat{nomFichier(f), {}};
        const QString& fichier = fichiers[f];
        if (!TextFile::absent(fichier)) {
            resultat.fichier = fichier;
            TListeBase liste;
            liste.assignBytes(TListeBase::octetsFichier(fichier));
            resultat.trouves = ouvertures(liste);
            if (liste.countBlocks() > TListeBase::MaxBlocs)
                throw UserError(
                    QStringLiteral(
                        "Le fichier %1 contient plus de %2 fiches : il ne peut pas être ouvert")
                        .arg(QDir::toNativeSeparators(fichier))
                        .arg(TListeBase::MaxBlocs));
            const TListeBase lu = liste;
            if (liste.verif())
                resultat.repares = reecrits(lu, liste);
            const int avant = liste.countBlocks();
            if (liste.doublons())
                resultat.doublons = avant - liste.countBlocks();
        }
        verification.bases << resultat;
    }
    return verification;
}

bool ReparerDossier(const QString& principal) {
    const QString chemin = cheminDossierExistant(principal);
    // A dossier another program holds is left to it.
    TVerrou verrou;
    if (!verrou.prend(chemin)) {
        const std::optional<TDetenteur> detenteur = TVerrou::detenteur(chemin);
        throw UserError(
            QStringLiteral("Le dossier %1 est ouvert par %2 : il ne peut pas être "
                           "réparé maintenant")
                .arg(QDir::toNativeSeparators(chemin),
                     detenteur ? detenteur->description() : QStringLiteral("un autre programme")));
    }
    // Opening finishes a save that stopped part-way: that alone repairs the dossier.
    const bool interrompu = QFileInfo::exists(TFiche::journalDe(chemin));
    TFiche fiche;
    fiche.Charge(chemin);
    if (!fiche.dossierModifie())
        return interrompu;
    fiche.Sauve(chemin);
    return true;
}

QStringList rapportVerification(const TVerification& verification, bool repare) {
    QStringList lignes{
        QStringLiteral("Dossier %1").arg(QDir::toNativeSeparators(verification.principal))};
    for (const TVerificationBase& b : verification.bases) {
        if (b.fichier.isEmpty()) {
            lignes << QStringLiteral("%1 : pas de fichier").arg(b.nom);
            continue;
        }
        lignes << QStringLiteral("%1 (%2) : %3 fiche(s) trouvée(s), %4 réparée(s), %5 "
                                 "doublon(s) retiré(s)")
                      .arg(b.nom, QFileInfo(b.fichier).fileName())
                      .arg(b.trouves)
                      .arg(b.repares)
                      .arg(b.doublons);
    }
    if (verification.enregistrementInterrompu)
        lignes << QStringLiteral("Un enregistrement du dossier s'est interrompu : l'ouverture "
                                 "le termine ou l'annule.");
    if (verification.saine())
        lignes << QStringLiteral("Le dossier est sain.");
    else if (repare)
        lignes << QStringLiteral("Le dossier a été réparé et enregistré ; les fichiers "
                                 "remplacés sont gardés en sauvegarde.");
    else
        lignes << QStringLiteral("Le dossier doit être réparé : relancez avec --reparer.");
    return lignes;
}
