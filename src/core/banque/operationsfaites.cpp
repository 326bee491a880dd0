#include "core/banque/operationsfaites.h"

#include "core/app/tfiche.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"

namespace {

const QString Tag = QStringLiteral("OPER");

} // namespace

TOperationsFaites TOperationsFaites::depuisLignes(const QStringList& lignes) {
    TOperationsFaites faites;
    for (const QString& ligne : lignes)
        if (!ligne.isEmpty() && !faites.m_empreintes.contains(ligne)) {
            faites.m_empreintes.insert(ligne);
            faites.m_lignes.append(ligne);
        }
    return faites;
}

bool TOperationsFaites::contient(const TOperation& operation) const {
    return m_empreintes.contains(operation.empreinte());
}

void TOperationsFaites::ajoute(const TOperation& operation) {
    const QString empreinte = operation.empreinte();
    if (m_empreintes.contains(empreinte))
        return;
    m_empreintes.insert(empreinte);
    m_lignes.append(empreinte);
}

namespace Releves {

TOperationsFaites faites(const TFiche& fiche) {
    const TListeBase& releves = fiche.annexe(Annexe::Releves);
    QStringList lignes;
    for (const TListeBase::Position& bloc : releves.blocs())
        for (qsizetype i = bloc.ligne + 2; i < releves.finContenu(bloc.ligne); ++i)
            if (releves.line(i).startsWith(Tag))
                lignes.append(releves.line(i).mid(Tag.size()));
    return TOperationsFaites::depuisLignes(lignes);
}

void verifiePlace(const TFiche& fiche) {
    if (fiche.annexe(Annexe::Releves).countBlocks() >= TListeBase::MaxBlocs)
        throw UserError(QStringLiteral("Le fichier des relevés rapprochés est plein : aucune "
                                       "quittance n'a été créée."));
}

void retient(TFiche& fiche, const QList<TOperation>& operations) {
    if (operations.isEmpty())
        return;
    verifiePlace(fiche);
    QStringList corps{DateToStr(Clock::today())};
    for (const TOperation& o : operations)
        corps.append(Tag + o.empreinte());
    TListeBase& releves = fiche.annexe(Annexe::Releves);
    releves.store(releves.countBlocks(), corps);
    fiche.SetSauve();
}

} // namespace Releves
