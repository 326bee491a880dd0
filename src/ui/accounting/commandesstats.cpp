#include "commandesstats.h"

#include "app/questions.h"
#include "app/statistiquesfiche.h"
#include "tcompta.h"
#include "tstats.h"
#include "vuegrille.h"

#include <optional>

// The progress ends, its panel cleared, before a message may show.

void Statistiques(TFiche& fiche, SorteStats sorte, QLabel* panneau, QWidget* parent) {
    std::optional<TCumul> cumul;
    if (!execute([&] {
            Progression progression(panneau);
            cumul = StatistiquesFiche(fiche, sorte, [&](const QString& t) { progression(t); });
        }))
        return;
    TStats fenetre(sorte, parent);
    fenetre.Init(*cumul);
    fenetre.exec();
}

void JournalComptable(TFiche& fiche, QLabel* panneau, QWidget* parent) {
    QList<TLigneJournal> lignes;
    if (!execute([&] {
            Progression progression(panneau);
            lignes = JournalFiche(fiche, [&](const QString& t) { progression(t); });
        }))
        return;
    TCompta fenetre(parent);
    fenetre.Init(lignes);
    fenetre.exec();
}
