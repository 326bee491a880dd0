#pragma once

#include "ui/common/questions.h"

// The questions asked with the program's message boxes, input box and file dialogs, in
// French, over the active window.
class QuestionsDialogues : public Questions {
public:
    Reponse ouiNonAnnuler(const QString& texte) override;
    bool okAnnuler(const QString& texte) override;
    void message(const QString& texte) override;
    std::optional<QString> saisie(const QString& titre, const QString& invite,
                                  const QString& defaut) override;
    std::optional<QString> entree(const TSaisieDef& saisie, const QString& initial) override;
    int tri(const QStringList& criteres) override;
    std::optional<int> choix(const QString& titre, const QString& invite,
                             const QStringList& elements) override;
    int fiche(Base base, const TListeBase& liste) override;
    QString code(Base base, const TListeBase& liste) override;
    std::optional<int> document(Base base, const TListeBase& liste) override;
    bool depart(TDepart& depart) override;
    std::optional<QString> typeLot(const QStringList& types, const QString& courant) override;
    std::optional<QFont> police(const QFont& initiale) override;
    QString fichierAOuvrir(const QString& filtre) override;
    FichierChoisi fichierAEnregistrerAuFormat(const QString& filtre,
                                              const QString& nomPropose) override;
};
