#include "core/tools/teurocalc.h"

#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <algorithm>
#include <cmath>

bool TEuroCalc::saisit(QChar key) {
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != u',' && key != u'.')
        return false;
    if (m_resultatAffiche) {
        m_entree.clear();
        m_resultat.clear();
        m_resultatAffiche = false;
    }
    if (digit) {
        if (m_entree.size() < LargeurEntree)
            m_entree += key;
    } else if (m_entree.isEmpty()) {
        m_entree = QStringLiteral("0,");
    } else if (!m_entree.contains(u',') && m_entree.size() < LargeurEntree) {
        m_entree += u',';
    }
    return true;
}

void TEuroCalc::convertit() {
    m_resultatAffiche = true;
    double value = 0;
    try {
        value = StrToFloat(m_entree);
    } catch (const UserError&) {
        return;
    }
    // Both amounts are held as 6-byte reals; halves round to even.
    if (m_sens == Sens::FrancsVersEuros) {
        const double euros = Real48(value * 100000 / m_taux);
        m_resultat = FloatToStr(std::nearbyint(euros * 100) * 0.01);
    } else {
        const double francs = Real48(value * m_taux * 0.00001);
        m_resultat = FloatToStr(std::nearbyint(francs * 10) * 0.1);
    }
}

void TEuroCalc::monteTaux() {
    m_taux += 1;
}

void TEuroCalc::descendTaux() {
    m_taux = std::max(1.0, m_taux - 1);
}

QString TEuroCalc::texteTaux() const {
    return FloatToStr(m_taux * 0.00001);
}
