// The real charges file, as opening reads it: every block read as a lot's charges gives a
// total, and writing those charges back, then reading them, gives the same charges and total.

#include "invariants.h"

#include "core/charges/chargesreelles.h"
#include "core/store/tlistebase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TListeBase base;
    base.assignBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (base.countBlocks() > TListeBase::MaxBlocs)
        return 0;
    base.verif();
    base.doublons();
    for (const TChargesLot& lot : ChargesReelles::Toutes(base)) {
        const double total = lot.total();
        EXIGE(total == total, lot.lot);
        TListeBase ecrite;
        try {
            ChargesReelles::Ecrit(ecrite, lot);
        } catch (const UserError&) {
            continue;
        }
        QList<TCharge> gardees;
        for (const TCharge& charge : lot.charges)
            if (!charge.montant.trimmed().isEmpty())
                gardees.append(charge);
        const std::optional<TChargesLot> relu = ChargesReelles::Lit(ecrite, lot.lot, lot.annee);
        EXIGE(relu.has_value() == !gardees.isEmpty(), lot.lot);
        if (relu)
            EXIGE(relu->charges.size() == gardees.size() && relu->total() == total, lot.lot);
    }
    return 0;
}
