#pragma once

#include <QString>

// The franc/euro converter without its window. The rate is held in steps of 0,00001 franc per
// euro and starts at 6,55957 for each converter. Francs are given to the tenth of a franc,
// euros to the cent.
class TEuroCalc {
public:
    enum class Sens { FrancsVersEuros, EurosVersFrancs };

    // A digit, "," or "." (taken as ","); false for any other character. After a shown
    // result it starts a new entry and clears the result.
    bool saisit(QChar key);
    // Converts the entry; an entry that is not a number shows nothing.
    void convertit();

    Sens sens() const { return m_sens; }
    void setSens(Sens sens) { m_sens = sens; }

    void monteTaux();
    void descendTaux(); // never below 0,00001
    QString texteTaux() const;

    const QString& entree() const { return m_entree; }
    const QString& resultat() const { return m_resultat; }

    static constexpr int LargeurEntree = 15;

private:
    QString m_entree;
    QString m_resultat;
    double m_taux = 655957; // in 0,00001 franc per euro, a whole number
    Sens m_sens = Sens::FrancsVersEuros;
    bool m_resultatAffiche = false;
};
