#pragma once

#include "core/store/bases.h"
#include "core/store/tlistebase.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

// The selections that restrict the moves of a page to the records matching a criterion.
// A mode other than those named behaves as "all".
struct TSelections {
    int modeSelLoc = 0;  // 1 all, 2 postal code, 3 town, 4 current tenants
    int modeSelLot = 1;  // 1 all, 2 type, 3 postal code, 4 free lots
    int modeSelFour = 1; // 1 all, 2 postal code, 3 town
    int modeSelQtc = 1;  // 1 all, 2 tenant number
    int modeSelEch = 1;  // 1 all, 2 tenant number
    QString cpSel;       // shared by the tenant and supplier selections
    QString villeSel;    // shared by the tenant and supplier selections
    QString cpSelLot;
    QString typeSelLot;
    QString numLocSel; // shared by the receipt and notice selections
};

// Tells whether the block opening at a line index matches a selection.
using TTestBloc = std::function<bool(const TListeBase& base, qsizetype opening)>;

// The test of the selection in force on a base, or an empty function when the moves of
// that base are unrestricted.
TTestBloc testSelection(Base base, const TSelections& selections, const QDate& today);

struct TSaisieDef;

// What a selection entry asks before it takes effect: the entry dialog and its first text.
struct TDemandeSelection {
    const TSaisieDef* saisie;
    QString initial;
    bool initialSiAnnule = false; // a cancelled dialog answers its first text

    // The answer that the selection keeps for what the dialog gave back.
    std::optional<QString> reponse(const std::optional<QString>& saisi) const {
        return saisi || !initialSiAnnule ? saisi : std::optional<QString>(initial);
    }
};

// The question asked by choosing `mode` for a base, if any. `locataireAffiche` is the tenant
// number that the base's page shows, offered by the receipt and notice selections.
std::optional<TDemandeSelection> demandeSelection(Base base, int mode, const TSelections& s,
                                                  const QString& locataireAffiche = {});

// Puts a base's selection mode in force, with the answer to its question when it was answered.
void SetSel(TSelections& s, Base base, int mode, const std::optional<QString>& reponse);

// Upper-cases the letters a to z only; accented letters stay as they are.
QString majusculesAscii(const QString& text);

// A tenant is current when entry <= today <= exit, a blank entry or exit standing for the
// earliest or latest date.
bool estLocataireActuel(const QString& entree, const QString& sortie, const QDate& today);
