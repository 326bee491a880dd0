#include "core/documents/numerotation.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"
#include "core/store/tlistebase.h"

#include <algorithm>

namespace {

// The number line of a block, the first after its opening line; empty when there is none.
QString ligneNumero(const TListeBase& base, const TListeBase::Position& bloc) {
    const qsizetype i = bloc.ligne + 1;
    return i < base.lineCount() ? base.line(i) : QString();
}

} // namespace

int ProchainNumero(const TListeBase& base, const QString& tag, const QDate& today) {
    int plusGrand = today.year() * 100000 + today.month() * 1000;
    for (const TListeBase::Position& bloc : base.blocs()) {
        const QString ligne = ligneNumero(base, bloc);
        if (!ligne.startsWith(tag))
            continue;
        const QString numero = ligne.mid(tag.size()).trimmed();
        if (!numero.isEmpty())
            plusGrand = std::max(plusGrand, StrToInt(numero));
    }
    return plusGrand + 1;
}

int NumerosLibres(int prochain) {
    const int rang = prochain % 1000;
    return rang == 0 ? 0 : 1000 - rang;
}

void VerifieNumeroLibre(int prochain) {
    if (NumerosLibres(prochain) == 0)
        throw UserError(QStringLiteral("Plus de numéro libre après %1 : le rang dans le mois n'a "
                                       "que trois chiffres (999 documents par mois au plus)")
                            .arg(prochain - 1));
}

int CleDocument(const TListeBase& base, const QString& ligne) {
    for (const TListeBase::Position& bloc : base.blocs())
        if (ligneNumero(base, bloc).compare(ligne, Qt::CaseInsensitive) == 0)
            return bloc.cle;
    return -1;
}
