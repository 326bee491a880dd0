#include "ui/accounting/actionsstats.h"

#include "core/app/statistiquesfiche.h"
#include "ui/accounting/tcompta.h"
#include "ui/accounting/tstats.h"
#include "ui/accounting/vuegrille.h"
#include "ui/common/questions.h"

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
