#pragma once

#include <QString>

// The pocket calculator without its window: buttons in by their captions ("0".."9", ",", "=",
// "+", "-", "*", "/", "1/x", "sqr", "C"), display text out. Operations apply strictly from left
// to right; "=" pressed again repeats the last operation with the shown value as operand.
// A step that fails throws UserError with the runtime's words ("Division flottante par zéro",
// "'%s' n'est pas une valeur flottante correcte"...) and leaves the calculator as it was.
class TPocketCalc {
public:
    // The button a typed character presses ("." and "," give ",", "s" gives "sqr", "x" gives
    // "1/x", "c" gives "C"); an empty text for a character that presses none.
    static QString boutonDeTouche(QChar key);

    void presse(const QString& bouton);

    const QString& affichage() const { return m_affichage; }

    // Longest entry and longest shown result, in characters.
    static constexpr int LargeurAffichage = 15;

private:
    void chiffre(QChar digit);
    void virgule();
    void evalue();
    void operateur(QChar op);
    void inverse();
    void racine();
    void efface();
    void montre(double resultat);

    QString m_affichage;
    double m_accu = 0;
    QChar m_operateur; // null, '+', '-', '*' or '/'
    bool m_accuPlein = false;
    bool m_nouvelleSaisie = false;
};
