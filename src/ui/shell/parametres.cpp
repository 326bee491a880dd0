#include "ui/shell/parametres.h"

#include "core/app/tfiche.h"
#include "ui/accounting/tcomptes.h"
#include "ui/accounting/tparamc.h"
#include "ui/common/questions.h"
#include "ui/shell/tcombo.h"
#include "ui/shell/tsociete.h"

void ChargeReglages(TFiche& fiche, const QString& repertoire) {
    execute([&] { fiche.ChargeSoc(repertoire); });
    execute([&] { fiche.ChargeIni(repertoire); });
    execute([&] { fiche.ChargeCombo(repertoire); });
}

void SauveReglages(TFiche& fiche, const QString& repertoire, const QString& dossierPath) {
    execute([&] {
        if (const QString avertissement = fiche.SauveIni(repertoire, dossierPath);
            !avertissement.isEmpty())
            Questions::instance().message(avertissement);
    });
    execute([&] { fiche.SauveSoc(repertoire); });
    execute([&] { fiche.SauveCombo(repertoire); });
}

void Psoc(TFiche& fiche, QWidget* parent) {
    TSociete dialogue(parent);
    dialogue.Init(fiche.reglages().lignesProprio);
    dialogue.exec();
    fiche.SetProprio(dialogue.Result());
}

namespace {

void editeListe(TFiche& fiche, ListeValeurs liste, const QString& titre, const QString& libelle,
                QWidget* parent) {
    TCombo dialogue(titre, libelle, parent);
    dialogue.Init(fiche.reglages().liste(liste));
    dialogue.exec();
    fiche.SetListe(liste, dialogue.Result());
}

} // namespace

void Design(TFiche& fiche, QWidget* parent) {
    editeListe(fiche, ListeValeurs::TypesLots, QStringLiteral("Les Désignations"),
               QStringLiteral("Désignation"), parent);
}

void FamFournis(TFiche& fiche, QWidget* parent) {
    editeListe(fiche, ListeValeurs::FamillesFournisseurs,
               QStringLiteral("Les familles de fournisseurs"), QStringLiteral("Famille"), parent);
}

void Parc(TFiche& fiche, QWidget* parent) {
    TParamc dialogue(parent);
    dialogue.Init(fiche.parametresCommandes());
    dialogue.exec();
    if (const std::optional<TParametresCommandes> parametres = dialogue.Result())
        fiche.Parc(*parametres);
}

void Compte(TFiche& fiche, QWidget* parent) {
    TComptes dialogue(parent);
    dialogue.Init(fiche.comptes());
    dialogue.exec();
    if (const std::optional<Comptes> comptes = dialogue.Result())
        fiche.Compte(*comptes);
}
