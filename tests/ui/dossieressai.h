#pragma once

#include "saisieessai.h"
#include "ui/records/tvuefiche.h"
#include "ui/shell/tmainform.h"

#include <QAction>
#include <QTest>

// A new dossier whose first tenant, on screen, is Dupré of Paris with rent 450, charges 50 and
// APL 100, typed as a user would; none when the window could not be shown.
inline TVueFiche* nouveauLocataire(TMainForm& form) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return nullptr;
    form.action(Action::Nouveau)->trigger();
    auto* vue = form.findChild<TVueFiche*>("Locataires");
    tape(champ(vue, "Nom/Soc"), "Dupré");
    tape(champ(vue, "Adresse"), "12 rue des Lilas");
    tape(champ(vue, "Code postal"), "75005");
    tape(champ(vue, "Ville"), "Paris");
    tape(champ(vue, "Loyer actuel"), "450");
    tape(champ(vue, "Charges act."), "50");
    tape(champ(vue, "APL"), "100");
    return vue;
}
