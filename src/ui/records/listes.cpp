#include "ui/records/listes.h"

#include "core/records/tdescriptionliste.h"
#include "ui/records/tdialogueliste.h"
#include "ui/records/tlogement.h"

namespace {

// Shows the list of a kind for a base, when that base has one, and gives what was picked.
std::optional<TChoix> choisit(SorteListe sorte, Base base, const TListeBase& liste,
                              QWidget* parent) {
    const TDescriptionListe* description = descriptionListe(sorte, base);
    if (!description)
        return std::nullopt;
    TDialogueListe dialogue(*description, parent);
    dialogue.Init(liste);
    dialogue.exec();
    return dialogue.Result();
}

} // namespace

int choisitFiche(Base base, const TListeBase& liste, QWidget* parent) {
    return cleChoisie(choisit(SorteListe::Fiches, base, liste, parent));
}

QString choisitCode(Base base, const TListeBase& liste, QWidget* parent) {
    return codeChoisi(choisit(SorteListe::Codes, base, liste, parent));
}

std::optional<int> choisitDocument(Base base, const TListeBase& liste, QWidget* parent) {
    if (const std::optional<TChoix> choix = choisit(SorteListe::Documents, base, liste, parent))
        return choix->cle;
    return std::nullopt;
}

std::optional<QString> choisitTypeLot(const QStringList& types, const QString& courant,
                                      QWidget* parent) {
    TLogement dialogue(parent);
    dialogue.Init(types, courant);
    dialogue.exec();
    return dialogue.Result();
}
