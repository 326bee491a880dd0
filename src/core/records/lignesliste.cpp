#include "core/records/lignesliste.h"

#include "core/records/tdescriptionliste.h"
#include "core/store/tlistebase.h"

#include <algorithm>

namespace {

// The field lines 1..count of the block opening at `ouverture`, as many as it holds before
// the next structural line or the base's end.
QStringList champsBloc(const TListeBase& base, qsizetype ouverture, int count) {
    QStringList champs;
    const qsizetype fin = std::min(ouverture + count + 1, base.lineCount());
    for (qsizetype i = ouverture + 1; i < fin; ++i) {
        if (TListeBase::analyse(base.line(i)).sorte != TListeBase::Sorte::Contenu)
            break;
        champs.append(base.line(i));
    }
    return champs;
}

int derniereLigne(const TDescriptionListe& description) {
    return *std::max_element(description.lignes.begin(), description.lignes.end());
}

QList<TLigneListe> lignesFiches(const TDescriptionListe& description, const TListeBase& base) {
    QList<TLigneListe> lignes;
    const int derniere = derniereLigne(description);
    for (const TListeBase::Position& bloc : base.blocs()) {
        const QStringList champs = champsBloc(base, bloc.ligne, derniere);
        TLigneListe ligne{bloc.cle,
                          {TListeBase::keyText(bloc.cle), QString::number(lignes.size() + 1)}};
        for (int l : description.lignes)
            ligne.cellules.append(champs.value(l - 1));
        lignes.append(ligne);
    }
    return lignes;
}

QList<TLigneListe> lignesCodes(const TDescriptionListe& description, const TListeBase& base) {
    QList<TLigneListe> lignes;
    for (const TListeBase::Position& bloc : base.blocs()) {
        const QStringList champs = champsBloc(base, bloc.ligne, description.lignesMin);
        if (champs.size() < description.lignesMin)
            continue;
        const QString code = champs.value(description.lignes[0] - 1);
        const QString nom = champs.value(description.lignes[1] - 1);
        lignes.append({bloc.cle, {code + u' ' + nom}});
    }
    return lignes;
}

QList<TLigneListe> lignesDocuments(const TDescriptionListe& description, const TListeBase& base) {
    QList<TLigneListe> lignes;
    const int derniere = derniereLigne(description);
    for (int cle = 0;; ++cle) {
        const qsizetype ouverture = base.find(cle);
        if (ouverture < 0)
            return lignes;
        const QStringList champs = champsBloc(base, ouverture, derniere);
        QString texte = champs.value(description.lignes[0] - 1).mid(4);
        for (int l : description.lignes.sliced(1))
            texte += QStringLiteral("  ") + champs.value(l - 1);
        lignes.append({cle, {texte}});
    }
}

} // namespace

QList<TLigneListe> lignesListe(const TDescriptionListe& description, const TListeBase& base) {
    switch (description.sorte) {
    case SorteListe::Fiches:
        return lignesFiches(description, base);
    case SorteListe::Codes:
        return lignesCodes(description, base);
    case SorteListe::Documents:
        return lignesDocuments(description, base);
    }
    return {};
}
