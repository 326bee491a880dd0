#pragma once

#include "core/printing/tcanevasenregistre.h"
#include "ui/printing/imprimante.h"

#include <QList>
#include <QStringList>
#include <deque>

// Prints nothing: keeps every job and draws it on the recording canvas of a 600-dpi printer,
// answers the print dialog of the lists and the page setup by script, and logs what was
// asked. A question without a scripted answer is cancelled.
//
//     ImprimanteEnregistree imprimante;     // installed until it goes out of scope
//     imprimante.repondPlage(1, 3);
//     form.action(Commande::ImprimerListeLocataires)->trigger();
//     QCOMPARE(imprimante.travaux().size(), 1);
class ImprimanteEnregistree : public Imprimante {
public:
    ImprimanteEnregistree() : m_substitution(*this) {}

    // The pages of the next list, printed at once or, with `apercu`, shown in the preview.
    void repondPlage(int premiere, int derniere, bool apercu = false) {
        m_plages.push_back({premiere, derniere, apercu});
    }
    void repondMiseEnPage(const TMiseEnPage& choix) { m_misesEnPage.push_back(choix); }

    const QList<TTravailImpression>& travaux() const { return m_travaux; }
    // For each job, whether it went to the preview window rather than straight to the printer.
    const QList<bool>& apercus() const { return m_apercus; }
    // The texts of the last job on the recording canvas.
    QStringList textes() const {
        QStringList t;
        for (const TTrace& trace : dernier().textes())
            t << trace.texte;
        return t;
    }
    TCanevasEnregistre dernier() const {
        TCanevasEnregistre c = TCanevasEnregistre::imprimante600(m_travaux.last().orientation);
        m_travaux.last().dessine(c);
        return c;
    }
    // "<list title> n", "configure", "mise en page p o g" in the order asked.
    QStringList demandes() const { return m_demandes; }

    void imprime(const TTravailImpression& travail) override {
        m_travaux.append(travail);
        m_apercus.append(true);
    }
    void imprimeDirectement(const TTravailImpression& travail) override {
        m_travaux.append(travail);
        m_apercus.append(false);
    }
    std::optional<TPlage> plage(const QString& titre, int n) override {
        m_demandes << QStringLiteral("%1 %2").arg(titre).arg(n);
        if (m_plages.empty())
            return std::nullopt;
        const TPlage p = m_plages.front();
        m_plages.pop_front();
        return p;
    }
    void configure() override { m_demandes << QStringLiteral("configure"); }
    TMiseEnPage miseEnPage(const TMiseEnPage& initiale) override {
        m_demandes << QStringLiteral("mise en page %1 %2 %3")
                          .arg(initiale.typePapier)
                          .arg(initiale.orientation)
                          .arg(initiale.guide);
        if (m_misesEnPage.empty())
            return {initiale.typePapier, -1, initiale.guide};
        const TMiseEnPage m = m_misesEnPage.front();
        m_misesEnPage.pop_front();
        return m;
    }

private:
    Substitution m_substitution;
    QList<TTravailImpression> m_travaux;
    QList<bool> m_apercus;
    std::deque<TPlage> m_plages;
    std::deque<TMiseEnPage> m_misesEnPage;
    QStringList m_demandes;
};
