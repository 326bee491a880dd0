#include "core/documents/calculdocument.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/documents/tgrilledocument.h"

std::optional<double> ValeurMontant(const QString& texte) {
    try {
        return Real48(LitMontant(texte));
    } catch (const UserError&) {
        return std::nullopt;
    }
}

void FormateTotaux(TTotauxDocument& t, const TParametresCalcul& p) {
    t.texteHT = FormatFloat(p.fmtMontant, t.ht);
    t.texteTVA = FormatFloat(p.fmtMontant, t.tva);
    t.texteTTC = FormatFloat(p.fmtMontant, t.ttc);
    t.texteFrancs = FormatFloat(p.fmtMontant, t.francs);
}

TTotauxDocument CalculeLoyers(QList<QStringList>& lignes, const TParametresCalcul& p) {
    double total = 0;
    for (QStringList& cellules : lignes) {
        QString& montant = cellules[TGrilleDocument::Montant];
        if (montant.isEmpty())
            continue;
        const std::optional<double> valeur = ValeurMontant(montant);
        if (!valeur)
            continue; // left as typed, counts nothing
        const double montre = MontantAffiche(p.fmtMontant, *valeur);
        montant = Rset(FormatFloat(p.fmtMontant, montre), AlignementMontant, p.mesure);
        total = Real48(total + montre);
    }
    TTotauxDocument t;
    t.ht = total;
    t.ttc = total;
    t.francs = Real48(total * p.tauxEuro);
    FormateTotaux(t, p);
    return t;
}
