#include "cli/rapports.h"

#include "cli/motscles.h"
#include "cli/verification.h"
#include "core/accounting/formatsjournal.h"
#include "core/app/fichiersortie.h"
#include "core/app/fichiersreglages.h"
#include "core/app/statistiquesfiche.h"
#include "core/app/tfiche.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <QDir>

namespace {

struct TMotStats {
    const char* mot;
    SorteStats sorte;
};

constexpr TMotStats MotsStats[] = {
    {"mois", SorteStats::Mois},
    {"locataires", SorteStats::Locataires},
    {"lots", SorteStats::Lots},
    {"fournisseurs", SorteStats::Fournisseurs},
};

} // namespace

void ChargeDossier(TFiche& fiche, const QString& dossier, const QString& repertoireReglages) {
    fiche.ChargeSoc(repertoireReglages);
    fiche.ChargeIni(repertoireReglages);
    fiche.ChargeCombo(repertoireReglages);
    fiche.Charge(cheminDossierExistant(dossier));
}

QDate DateOption(const QString& option, const QString& texte) {
    try {
        return StrToDate(texte);
    } catch (const UserError&) {
        throw UserError(QStringLiteral("Date incorrecte pour %1 : %2").arg(option, texte));
    }
}

qsizetype JournalDossier(const QString& dossier, const QDate& du, const QDate& au, bool fec,
                         const QString& fichier, const QString& repertoireReglages) {
    if (du > au)
        throw UserError(QStringLiteral("La période est vide : le %1 est après le %2")
                            .arg(DateToStr(du), DateToStr(au)));
    verifieSortie(fichier, cheminDossierExistant(dossier), repertoireReglages);
    TFiche fiche;
    ChargeDossier(fiche, dossier, repertoireReglages);
    const QList<TLigneJournal> lignes = LignesPeriode(JournalFiche(fiche, {}), du, au);
    return ExporteJournalAuFormat(fichier, lignes,
                                  fec ? FormatJournal::FecBarre : FormatJournal::Tabulations);
}

QStringList sortesStatistiques() {
    return motsDe(MotsStats);
}

QStringList StatistiquesDossier(const QString& sorte, const QString& dossier,
                                const QString& repertoireReglages) {
    const TMotStats* choisie = entreeDe(MotsStats, sorte);
    if (!choisie)
        throw UserError(QStringLiteral("Statistiques inconnues : %1 (%2)")
                            .arg(sorte, sortesStatistiques().join(QStringLiteral(", "))));
    // The orders' totals depend on the VAT rates of the settings: without them every rate
    // would be 0 %.
    if (choisie->sorte == SorteStats::Fournisseurs &&
        !FichiersReglages::existe(repertoireReglages, FichiersReglages::NomIni))
        throw UserError(
            QStringLiteral("Les statistiques des fournisseurs calculent les commandes avec les "
                           "taux de TVA du fichier %1, absent de %2 : lancez la commande depuis "
                           "le répertoire qui le contient")
                .arg(FichiersReglages::NomIni, QDir::toNativeSeparators(repertoireReglages)));
    TFiche fiche;
    ChargeDossier(fiche, dossier, repertoireReglages);
    const TDescriptionStats& description = descriptionStats(choisie->sorte);
    const TCumul cumul = StatistiquesFiche(fiche, choisie->sorte, {});
    // Without a measure of a window's font the amounts keep no alignment; a TAB held in a
    // name becomes a space, so that every line keeps its columns.
    const auto ligneTexte = [](const QStringList& cellules) {
        QStringList texte;
        for (const QString& cellule : cellules)
            texte << TListeBase::celluleGrille(cellule);
        return texte.join(u'\t');
    };
    QStringList texte{ligneTexte(description.entetes)};
    for (const QStringList& ligne : LignesStats(description, cumul, {}))
        texte << ligneTexte(ligne);
    return texte;
}
