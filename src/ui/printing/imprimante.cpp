#include "ui/printing/imprimante.h"

#include "ui/printing/imprimantesysteme.h"

Imprimante* Imprimante::s_substitut = nullptr;

Imprimante& Imprimante::instance() {
    static ImprimanteSysteme systeme;
    return s_substitut ? *s_substitut : systeme;
}

Imprimante::Substitution::Substitution(Imprimante& substitut) : m_precedente(s_substitut) {
    s_substitut = &substitut;
}

Imprimante::Substitution::~Substitution() {
    s_substitut = m_precedente;
}
