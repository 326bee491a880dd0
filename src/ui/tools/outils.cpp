#include "ui/tools/outils.h"

#include "core/app/tfiche.h"
#include "core/tools/blocnotes.h"
#include "ui/tools/tblocnotes.h"
#include "ui/tools/tfichemsg.h"
#include "ui/tools/ttexte.h"

void TrTexte(const TFiche& fiche, QWidget* parent) {
    const LignesProprio& lignes = fiche.reglages().lignesProprio;
    TTexte texte(parent);
    texte.Setsoc(lignes[0], lignes[1], lignes[2], lignes[3]);
    texte.exec();
}

void MontreMessages(const QString& dossier, QWidget* parent) {
    TFicheMsg messages(parent);
    if (messages.Charge(dossier))
        messages.exec();
}

void MontreBlocNotes(const QString& repertoire, QWidget* parent) {
    TBlocnotes blocNotes(parent);
    if (blocNotes.Charge(BlocNotes::chemin(repertoire)))
        blocNotes.exec();
}
