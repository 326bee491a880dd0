#pragma once

#include "core/documents/tdepart.h"
#include "core/store/saisies.h"
#include "core/store/selections.h"
#include "core/store/tlistebase.h"
#include "ui/common/questions.h"

#include <QStringList>
#include <deque>
#include <utility>

// Answers the program's questions from a script, in the order they are asked, and keeps a
// log of what was asked. A question that finds no answer of its kind in the script is logged
// in `imprevues()` and answered by cancelling.
//
//     ScriptedQuestions questions;          // installed until it goes out of scope
//     questions.repond(Questions::Reponse::Annuler);
//     form.close();
//     QCOMPARE(questions.posees(), {"Enregistrer changements dans dupont.loc ?"});
class ScriptedQuestions : public Questions {
public:
    ScriptedQuestions() : m_substitution(*this) {}

    void repond(Reponse reponse) { m_script.emplace_back(Genre::OuiNonAnnuler).reponse = reponse; }
    void repondOk(bool ok) { m_script.emplace_back(Genre::OkAnnuler).ok = ok; }
    void repondSaisie(std::optional<QString> texte) {
        m_script.emplace_back(Genre::Saisie).texte = std::move(texte);
    }
    void repondChoix(std::optional<int> rang) { m_script.emplace_back(Genre::Choix).rang = rang; }
    void repondFiche(int cle) { m_script.emplace_back(Genre::Fiche).rang = cle; }
    // No font cancels the dialog.
    void repondPolice(std::optional<QFont> police) {
        m_script.emplace_back(Genre::Police).police = std::move(police);
    }
    // An empty path cancels the dialog.
    void repondFichier(const QString& path, int filtre = 0) {
        Replique& r = m_script.emplace_back(Genre::Fichier);
        r.texte = path;
        r.rang = filtre;
    }

    // The texts of the questions and messages, the file dialogs as their filter.
    QStringList posees() const { return m_posees; }
    QStringList imprevues() const { return m_imprevues; }
    bool scriptEpuise() const { return m_script.empty(); }
    void efface() {
        m_posees.clear();
        m_imprevues.clear();
        m_script.clear();
    }

    Reponse ouiNonAnnuler(const QString& texte) override {
        const Replique* r = prend(Genre::OuiNonAnnuler, texte);
        return r ? r->reponse : Reponse::Annuler;
    }
    bool okAnnuler(const QString& texte) override {
        const Replique* r = prend(Genre::OkAnnuler, texte);
        return r && r->ok;
    }
    void message(const QString& texte) override { m_posees.append(texte); }
    std::optional<QString> saisie(const QString& titre, const QString& invite,
                                  const QString&) override {
        const Replique* r = prend(Genre::Saisie, titre + QStringLiteral(" / ") + invite);
        return r ? r->texte : std::nullopt;
    }
    // The entry dialogs take their answer from repondSaisie, given back as the dialog would.
    std::optional<QString> entree(const TSaisieDef& saisie, const QString& initial) override {
        const Replique* r =
            prend(Genre::Saisie, saisie.titre + QStringLiteral(" / ") + saisie.libelle +
                                     QStringLiteral(" [") + initial + QStringLiteral("]"));
        if (!r || !r->texte)
            return std::nullopt;
        return saisie.resultat(*r->texte);
    }
    // Answered with repondChoix (nothing: -1), logged as "Trier", then each criterion on a line
    // of its own.
    int tri(const QStringList& criteres) override {
        const Replique* r =
            prend(Genre::Choix, (QStringList(QStringLiteral("Trier")) + criteres).join(u'\n'));
        return r && r->rang ? *r->rang : -1;
    }
    // Logged as the title, then each item on a line of its own.
    std::optional<int> choix(const QString& titre, const QString&,
                             const QStringList& elements) override {
        const Replique* r = prend(Genre::Choix, (QStringList(titre) + elements).join(u'\n'));
        return r ? r->rang : std::nullopt;
    }
    // Logged as the base's number and its block count.
    int fiche(Base base, const TListeBase& liste) override {
        const Replique* r =
            prend(Genre::Fiche,
                  QStringLiteral("Liste %1 (%2 fiches)").arg(int(base)).arg(liste.countBlocks()));
        return r && r->rang ? *r->rang : -1;
    }
    // Answered with repondSaisie, logged as the base's number and its block count.
    QString code(Base base, const TListeBase& liste) override {
        const Replique* r =
            prend(Genre::Saisie,
                  QStringLiteral("Codes %1 (%2 fiches)").arg(int(base)).arg(liste.countBlocks()));
        return r ? r->texte.value_or(QString()) : QString();
    }
    // Answered with repondFiche (-1: nothing picked), logged as the base's number and its
    // block count.
    std::optional<int> document(Base base, const TListeBase& liste) override {
        const Replique* r = prend(
            Genre::Fiche,
            QStringLiteral("Documents %1 (%2 fiches)").arg(int(base)).arg(liste.countBlocks()));
        return r && r->rang && *r->rang >= 0 ? r->rang : std::nullopt;
    }
    // Answered with repondOk, logged as the name, the days and the amounts the dialog opens on.
    bool depart(TDepart& depart) override {
        const Replique* r =
            prend(Genre::OkAnnuler,
                  QStringLiteral("Arrivée/départ %1 %2 jours %3 %4 %5")
                      .arg(depart.nom(), depart.jours(), depart.montant(TDepart::Loyer),
                           depart.montant(TDepart::Charges), depart.montant(TDepart::Taxes)));
        return r && r->ok;
    }
    // Answered with repondSaisie, logged as the types and the starting text.
    std::optional<QString> typeLot(const QStringList& types, const QString& courant) override {
        const Replique* r =
            prend(Genre::Saisie, QStringLiteral("Type de lot ") + types.join(u'|') +
                                     QStringLiteral(" [") + courant + QStringLiteral("]"));
        return r && r->texte ? std::optional<QString>(majusculesAscii(*r->texte)) : std::nullopt;
    }
    // Logged as the family and size the dialog opens on.
    std::optional<QFont> police(const QFont& initiale) override {
        const Replique* r =
            prend(Genre::Police,
                  QStringLiteral("Police %1 %2").arg(initiale.family()).arg(initiale.pointSize()));
        return r ? r->police : std::nullopt;
    }
    QString fichierAOuvrir(const QString& filtre) override {
        const Replique* r = prend(Genre::Fichier, filtre);
        return r ? r->texte.value_or(QString()) : QString();
    }
    FichierChoisi fichierAEnregistrerAuFormat(const QString& filtre,
                                              const QString& nomPropose) override {
        const Replique* r = prend(Genre::Fichier, filtre + QStringLiteral(" ") + nomPropose);
        return r ? FichierChoisi{r->texte.value_or(QString()), r->rang.value_or(0)}
                 : FichierChoisi{};
    }

private:
    enum class Genre { OuiNonAnnuler, OkAnnuler, Saisie, Choix, Fiche, Fichier, Police };
    struct Replique {
        explicit Replique(Genre g) : genre(g) {}
        Genre genre;
        Questions::Reponse reponse = Questions::Reponse::Annuler;
        bool ok = false;
        std::optional<QString> texte;
        std::optional<int> rang;
        std::optional<QFont> police;
    };

    const Replique* prend(Genre genre, const QString& texte) {
        m_posees.append(texte);
        if (m_script.empty() || m_script.front().genre != genre) {
            m_imprevues.append(texte);
            return nullptr;
        }
        m_courante = m_script.front();
        m_script.pop_front();
        return &m_courante;
    }

    Substitution m_substitution;
    std::deque<Replique> m_script;
    Replique m_courante{Genre::OuiNonAnnuler};
    QStringList m_posees;
    QStringList m_imprevues;
};
