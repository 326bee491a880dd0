#pragma once

#include "core/common/usererror.h"
#include "core/store/bases.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

struct TSaisieDef;
class TDepart;
class TListeBase;

// Every question, confirmation, message and file dialog of the program goes through the one
// instance of this interface, so that tests can answer them by script.
class Questions {
public:
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Questions() = default;

    // A warning with the buttons "Oui", "Non" and "Annuler".
    virtual Reponse ouiNonAnnuler(const QString& texte) = 0;
    // A warning with the buttons "OK" and "Annuler"; true for "OK" only.
    virtual bool okAnnuler(const QString& texte) = 0;
    // A message with the button "OK".
    virtual void message(const QString& texte) = 0;
    // An input box; nothing when it is cancelled.
    virtual std::optional<QString> saisie(const QString& titre, const QString& invite,
                                          const QString& defaut) = 0;
    // One of the small entry dialogs of the searches and selections, opened on `initial`;
    // nothing when it is cancelled.
    virtual std::optional<QString> entree(const TSaisieDef& saisie, const QString& initial) = 0;
    // The sort dialog "Trier" over its criteria: the rank of the one chosen, -1 when it is
    // cancelled or closed by "OK" with none chosen.
    virtual int tri(const QStringList& criteres) = 0;
    // A list to choose one item from; its index, nothing when it is cancelled.
    virtual std::optional<int> choix(const QString& titre, const QString& invite,
                                     const QStringList& elements) = 0;
    // The pick list of the tenant, supplier or lot base: the key picked, -1 for none.
    virtual int fiche(Base base, const TListeBase& liste) = 0;
    // The code list of the tenants or suppliers: the number picked, empty for none.
    virtual QString code(Base base, const TListeBase& liste) = 0;
    // The list of a document base: the key picked, nothing when none was.
    virtual std::optional<int> document(Base base, const TListeBase& liste) = 0;
    // The arrival/departure dialog on the amounts of `depart`, which it edits; true for "OK".
    virtual bool depart(TDepart& depart) = 0;
    // The lot-type chooser, opened on `courant`: the type upper-cased, nothing when cancelled.
    virtual std::optional<QString> typeLot(const QStringList& types, const QString& courant) = 0;
    // The font dialog, opened on `initiale`; nothing when it is cancelled.
    virtual std::optional<QFont> police(const QFont& initiale) = 0;
    // The file dialogs; an empty path when they are cancelled. A filter is written as
    // "Fichier locataires (*.loc)".
    virtual QString fichierAOuvrir(const QString& filtre) = 0;
    // The file to write and the rank of the filter shown when it was chosen, among the filters
    // of `filtre` separated by ";;".
    struct FichierChoisi {
        QString chemin;
        int filtre = 0;
    };
    virtual FichierChoisi fichierAEnregistrerAuFormat(const QString& filtre,
                                                      const QString& nomPropose) = 0;
    QString fichierAEnregistrer(const QString& filtre, const QString& nomPropose) {
        return fichierAEnregistrerAuFormat(filtre, nomPropose).chemin;
    }
    // Before a file that exists is written over: true for "OK", which replaces it.
    bool confirmeRemplacement() {
        return okAnnuler(QStringLiteral("Ce fichier existe déjà : il sera remplacé."));
    }

    // The instance in force: the program's dialogs unless a substitute is installed.
    static Questions& instance();

    // Until it is destroyed, every question goes to `substitut`.
    class Substitution {
    public:
        explicit Substitution(Questions& substitut);
        ~Substitution();
        Substitution(const Substitution&) = delete;
        Substitution& operator=(const Substitution&) = delete;

    private:
        Questions* m_precedent;
    };

private:
    static Questions* s_substitut;
};

// Runs a command; a UserError stops it and its text is shown. An edit that cannot be stored
// is the question of its message: "OK" gives the edit up and runs the command again, "Annuler"
// goes back to it. Returns true when the command ran to its end.
template <typename Fonction> bool execute(Fonction&& fonction) {
    for (;;) {
        try {
            fonction();
            return true;
        } catch (const EditionNonEnregistree& edition) {
            if (!Questions::instance().okAnnuler(edition.message()))
                return false;
            edition.abandonne();
        } catch (const UserError& erreur) {
            Questions::instance().message(erreur.message());
            return false;
        }
    }
}
