#include "ui/charges/actionscharges.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/records/locataire.h"
#include "ui/charges/tdialoguechargesreelles.h"
#include "ui/charges/tdialogueregularisation.h"
#include "ui/charges/tdialoguesolde.h"
#include "ui/common/questions.h"

void SaisieChargesReelles(TFiche& fiche, QWidget* parent) {
    if (!execute([&] { fiche.EcritPage(Base::Lots); }))
        return;
    TDialogueChargesReelles dialogue(fiche, parent);
    dialogue.exec();
}

void RegularisationDesCharges(TFiche& fiche, QWidget* parent) {
    if (!execute([&] {
            fiche.EcritPage(Base::Locataires);
            fiche.EcritPage(Base::Lots);
            fiche.EcritPage(Base::Quittances);
        }))
        return;
    TDialogueRegularisation dialogue(fiche, parent);
    dialogue.exec();
}

void SoldeDeToutCompte(TFiche& fiche, QWidget* parent) {
    TSoldeToutCompte solde;
    if (!execute([&] {
            fiche.EcritPage(Base::Locataires);
            fiche.EcritPage(Base::Quittances);
            const TPageEnregistrement* page = fiche.pageFiche(Base::Locataires);
            solde = SoldeToutCompte::Calcule(fiche, page ? page->champ(Locataire::Numero) : "",
                                             Clock::today());
        }))
        return;
    TDialogueSolde dialogue(fiche, solde, parent);
    dialogue.exec();
}
