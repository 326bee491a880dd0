#include "core/store/navigation.h"

#include <algorithm>

int cleLibre(Mouvement mouvement, int courant, int nb) {
    switch (mouvement) {
    case Mouvement::Premier:
        return 0;
    case Mouvement::Precedent:
        return std::max(courant - 1, 0);
    case Mouvement::Suivant:
        return std::max(std::min(courant + 1, nb - 1), 0);
    case Mouvement::Dernier:
        return std::max(nb - 1, 0);
    }
    return courant;
}

int cleSelection(Mouvement mouvement, int courant, const TListeBase& base, const TTestBloc& test) {
    int meilleure = -1;
    for (const TListeBase::Position& bloc : base.blocs()) {
        const int cle = bloc.cle;
        bool candidate = false;
        switch (mouvement) {
        case Mouvement::Premier:
            candidate = meilleure < 0 || cle < meilleure;
            break;
        case Mouvement::Suivant:
            candidate = cle > courant && (meilleure < 0 || cle < meilleure);
            break;
        case Mouvement::Precedent:
            candidate = cle < courant && cle > meilleure;
            break;
        case Mouvement::Dernier:
            candidate = cle > meilleure;
            break;
        }
        if (candidate && test(base, bloc.ligne))
            meilleure = cle;
    }
    return meilleure < 0 ? courant : meilleure;
}
