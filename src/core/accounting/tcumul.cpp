#include "core/accounting/tcumul.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

TCumul::TCumul(const QString& fmtMontant, bool avecNom)
    : m_fmtMontant(fmtMontant), m_avecNom(avecNom) {}

void TCumul::cumule(const QString& cle, const QString& nom, const QString& montant) {
    const QString texte = montant.trimmed();
    if (texte.isEmpty())
        return;
    const QString nomGarde = m_avecNom ? nom : QString();
    const auto trouve = m_index.constFind(cle);
    if (trouve == m_index.cend()) {
        m_index.insert(cle, m_lignes.size());
        m_lignes.append({cle, nomGarde, texte});
        return;
    }
    TLigneCumul& ligne = m_lignes[*trouve];
    try {
        // The stored amount is read as the line holds it, 255 characters at most.
        const double somme =
            Real48(StrToFloat(ligne.montant.left(255).trimmed()) + StrToFloat(texte));
        ligne.montant = FormatFloat(m_fmtMontant, somme);
        ligne.nom = nomGarde;
    } catch (const UserError&) {
        // The amount that does not read is lost; the line keeps its sum.
    }
}

QList<TLigneCumul> TCumul::triees() const {
    QList<TLigneCumul> lignes = m_lignes;
    const auto texte = [this](const TLigneCumul& l) {
        return m_avecNom ? l.cle + u'\t' + l.nom + u'\t' + l.montant : l.cle + u'\t' + l.montant;
    };
    // The French order of the program, whatever the locale of the process.
    QCollator compare{QLocale(QLocale::French, QLocale::France)};
    compare.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(lignes.begin(), lignes.end(), [&](const TLigneCumul& a, const TLigneCumul& b) {
        return compare.compare(texte(a), texte(b)) < 0;
    });
    return lignes;
}
