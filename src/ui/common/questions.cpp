#include "ui/common/questions.h"

Questions* Questions::s_substitut = nullptr;

Questions::Substitution::Substitution(Questions& substitut) : m_precedent(s_substitut) {
    s_substitut = &substitut;
}

Questions::Substitution::~Substitution() {
    s_substitut = m_precedent;
}
