#include "core/accounting/journal.h"

#include "core/common/conversions.h"
#include "core/common/montants.h"
#include "core/common/textfile.h"
#include "core/common/usererror.h"
#include "core/documents/documentlu.h"
#include "core/documents/tgrilledocument.h"
#include "core/store/tlistebase.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

enum IndexCompte { Clients = 0, Loyers = 1, Charges = 2, Taxe = 4, Apl = 5 };

// The accounts a receipt's rows go to, in the order of their lines.
constexpr std::array<IndexCompte, 4> ComptesRows = {Loyers, Charges, Taxe, Apl};

IndexCompte compteDe(const QString& designation) {
    const QString d = designation.trimmed();
    if (d == QLatin1String("Provision pour charges"))
        return Charges;
    if (d == QLatin1String("Taxe Additionnelle"))
        return Taxe;
    if (d == QLatin1String("APL"))
        return Apl;
    return Loyers;
}

// Amounts are added in units of the format's last decimal, as they are shown, so that the
// lines of an entry add up exactly.
class Unites {
public:
    explicit Unites(const QString& fmtMontant) : m_fmt(fmtMontant) {
        const qsizetype point = fmtMontant.indexOf(u'.');
        m_decimales = point < 0 ? 0 : int(fmtMontant.size() - point - 1);
        m_echelle = std::pow(10.0, m_decimales);
    }
    // The units of an amount as the format shows it; nothing for a text that does not read.
    std::optional<qint64> lit(const QString& texte) const {
        const QString t = texte.trimmed();
        if (t.isEmpty())
            return std::nullopt;
        try {
            const QString montre = FormatFloat(m_fmt, Real48(LitMontant(t)));
            return montre.isEmpty() ? 0 : std::llround(StrToFloat(montre) * m_echelle);
        } catch (const UserError&) {
            return std::nullopt;
        }
    }
    QString texte(qint64 unites) const { return FormatFloat(m_fmt, double(unites) / m_echelle); }

private:
    QString m_fmt;
    int m_decimales = 0;
    double m_echelle = 1;
};

} // namespace

QString TLigneJournal::libelleMontre() const {
    return validee ? libelle : libelle + QStringLiteral(" (non validée)");
}

QString TLigneJournal::cle() const {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QString TLigneJournal::texteDate() const {
    return DateToStr(date);
}

QList<TLigneJournal> EcritureQuittance(const TDocumentLu& quittance, const Comptes& comptes,
                                       const QString& fmtMontant, int ecriture) {
    const Unites unites(fmtMontant);
    std::array<std::optional<qint64>, 6> sommes{};
    for (const QStringList& ligne : quittance.lignes) {
        const auto montant = unites.lit(ligne[TGrilleDocument::Montant]);
        if (!montant)
            continue;
        auto& somme = sommes[compteDe(ligne[TGrilleDocument::Designation])];
        somme = somme.value_or(0) + *montant;
    }
    const QString total = quittance.totaux.texteTTC.trimmed();
    // Whatever the shown rows miss of the shown total (rows with more decimals than shown)
    // goes to the rents, so that the entry balances.
    qint64 reste = unites.lit(total).value_or(0);
    for (IndexCompte c : ComptesRows)
        reste -= sommes[c].value_or(0);
    if (reste != 0)
        sommes[Loyers] = sommes[Loyers].value_or(0) + reste;

    TLigneJournal modele;
    modele.ecriture = ecriture;
    modele.date = quittance.date;
    modele.journal = JournalVentes;
    modele.piece = quittance.numero;
    modele.libelle = QStringLiteral("Quittance ") + modele.piece;
    modele.validee = quittance.valide;

    QList<TLigneJournal> lignes;
    TLigneJournal debit = modele;
    debit.compte = comptes[Clients];
    debit.rangCompte = Clients;
    debit.debit = total;
    lignes.append(debit);
    for (IndexCompte c : ComptesRows) {
        if (!sommes[c] && c != Loyers)
            continue;
        TLigneJournal ligne = modele;
        ligne.compte = comptes[c];
        ligne.rangCompte = c;
        if (sommes[c]) {
            const qint64 somme = *sommes[c];
            (somme < 0 ? ligne.debit : ligne.credit) = unites.texte(somme < 0 ? -somme : somme);
        }
        lignes.append(ligne);
    }
    return lignes;
}

QList<TLigneJournal> Journal(const TDescriptionDocument& description, TListeBase& quittances,
                             const Comptes& comptes, const QString& fmtMontant,
                             const QDate& aujourdhui, const TProgressionTexte& progression) {
    QList<TLigneJournal> lignes;
    const int nb = quittances.nb();
    int ecriture = 0;
    for (int i = 0; i < nb; ++i) {
        if (progression)
            progression(QStringLiteral("Quittance ") + QString::number(i));
        if (const std::optional<TDocumentLu> quittance =
                LitDocument(description, quittances, i, {.fmtMontant = fmtMontant}, aujourdhui))
            lignes.append(EcritureQuittance(*quittance, comptes, fmtMontant, ++ecriture));
    }
    if (nb > 0)
        quittances.allerA(nb - 1);
    return lignes;
}

TPeriodeJournal PeriodeJournal(const QList<TLigneJournal>& lignes, const QDate& aujourdhui) {
    if (lignes.isEmpty())
        return {aujourdhui, aujourdhui};
    return {lignes.constFirst().date, lignes.constLast().date};
}

QList<TLigneJournal> LignesPeriode(const QList<TLigneJournal>& lignes, const QDate& du,
                                   const QDate& au) {
    QList<TLigneJournal> retenues;
    for (const TLigneJournal& l : lignes)
        if (l.date >= du && l.date <= au)
            retenues.append(l);
    return retenues;
}

QStringList EntetesJournal(const TMesureTexte& mesure) {
    return {QString(),
            QStringLiteral("Jn"),
            QStringLiteral("Date"),
            QStringLiteral("Compte"),
            QStringLiteral("Libellé"),
            Rset(QStringLiteral("Débit"), AlignementJournal, mesure),
            Rset(QStringLiteral("Crédit"), AlignementJournal, mesure)};
}

QList<QStringList> LignesGrilleJournal(const QList<TLigneJournal>& lignes,
                                       const TMesureTexte& mesure) {
    QList<QStringList> grille;
    grille.reserve(lignes.size());
    for (const TLigneJournal& l : lignes)
        grille.append({QString::number(grille.size() + 1), l.journal, l.texteDate(), l.compte,
                       l.libelleMontre(), Rset(l.debit, AlignementJournal, mesure),
                       Rset(l.credit, AlignementJournal, mesure)});
    return grille;
}

QStringList LignesExportJournal(const QList<TLigneJournal>& lignes) {
    QStringList texte;
    texte.reserve(lignes.size());
    for (const TLigneJournal& l : lignes)
        texte.append(QStringList{l.texteDate(), l.compte, l.libelleMontre(), l.journal, QString(),
                                 l.debit.trimmed(), l.credit.trimmed()}
                         .join(u'\t'));
    return texte;
}

void ExporteJournal(const QString& path, const QList<TLigneJournal>& lignes) {
    TextFile::write(path, LignesExportJournal(lignes));
}
