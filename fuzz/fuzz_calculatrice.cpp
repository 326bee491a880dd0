// The desk tools under any keys. The pocket calculator: a key either works or is refused with
// the program's message, leaving the calculator exactly as it was (a twin that never got the
// refused keys shows the same from then on); the display never grows beyond its width and,
// when not empty, reads as a number. The euro converter: a key it does not take changes
// nothing, the entry keeps to its width, and a conversion is right to the cent (euros) or to
// the tenth (francs).
//
// Each byte of the input is one key, typed on both tools.

#include "invariants.h"

#include "core/common/conversions.h"
#include "core/tools/teurocalc.h"
#include "core/tools/tpocketcalc.h"

#include <cmath>

namespace {

class Calculatrice {
public:
    void tape(QChar touche) {
        const QString bouton = TPocketCalc::boutonDeTouche(touche);
        const QString avant = m_calc.affichage();
        if (refuse([&] { m_calc.presse(bouton); })) {
            EXIGE(m_calc.affichage() == avant, bouton);
            return;
        }
        EXIGE(!refuse([&] { m_jumelle.presse(bouton); }), bouton);
        EXIGE(m_jumelle.affichage() == m_calc.affichage(),
              bouton + u' ' + m_calc.affichage() + u' ' + m_jumelle.affichage());
        EXIGE(m_calc.affichage().size() <= TPocketCalc::LargeurAffichage, m_calc.affichage());
        // The next operation reads the display as its operand.
        EXIGE(m_calc.affichage().isEmpty() || !refuse([&] { StrToFloat(m_calc.affichage()); }),
              m_calc.affichage());
    }

private:
    TPocketCalc m_calc;
    TPocketCalc m_jumelle;
};

class Convertisseur {
public:
    void tape(QChar touche) {
        switch (touche.unicode()) {
        case u'=':
            convertit();
            break;
        case u'+':
            m_calc.monteTaux();
            break;
        case u'-':
            m_calc.descendTaux();
            break;
        case u'e':
            m_calc.setSens(TEuroCalc::Sens::EurosVersFrancs);
            break;
        case u'f':
            m_calc.setSens(TEuroCalc::Sens::FrancsVersEuros);
            break;
        default:
            saisit(touche);
            break;
        }
        EXIGE(m_calc.entree().size() <= TEuroCalc::LargeurEntree, m_calc.entree());
        // The rate moves in steps of 0,00001 and never reaches 0.
        const QString taux = m_calc.texteTaux();
        EXIGE(StrToFloat(taux) > 0 && taux.section(u',', 1).size() <= 5, taux);
    }

private:
    void saisit(QChar touche) {
        const QString entree = m_calc.entree();
        const QString resultat = m_calc.resultat();
        if (!m_calc.saisit(touche))
            EXIGE(m_calc.entree() == entree && m_calc.resultat() == resultat);
    }

    void convertit() {
        EXIGE(!refuse([&] { m_calc.convertit(); }));
        if (m_calc.entree().isEmpty()) {
            EXIGE(m_calc.resultat().isEmpty(), m_calc.resultat());
            return;
        }
        const double montant = StrToFloat(m_calc.entree());
        const double taux = StrToFloat(m_calc.texteTaux());
        const bool versEuros = m_calc.sens() == TEuroCalc::Sens::FrancsVersEuros;
        const double exact = versEuros ? montant / taux : montant * taux;
        const double demiPas = versEuros ? 0.005 : 0.05;
        const double obtenu = StrToFloat(m_calc.resultat());
        EXIGE(std::fabs(obtenu - exact) <= demiPas * (1 + 1e-9) + std::fabs(exact) * 1e-11,
              m_calc.entree() + u' ' + m_calc.texteTaux() + u' ' + m_calc.resultat());
    }

    TEuroCalc m_calc;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Calculatrice calculatrice;
    Convertisseur convertisseur;
    for (size_t i = 0; i < size; ++i) {
        const QChar touche = QLatin1Char(char(data[i]));
        calculatrice.tape(touche);
        convertisseur.tape(touche);
    }
    return 0;
}
