#include "ui/common/questions.h"

#include "ui/shell/questionsdialogues.h"

Questions* Questions::s_substitut = nullptr;

Questions& Questions::instance() {
    static QuestionsDialogues dialogues;
    return s_substitut ? *s_substitut : dialogues;
}

Questions::Substitution::Substitution(Questions& substitut) : m_precedent(s_substitut) {
    s_substitut = &substitut;
}

Questions::Substitution::~Substitution() {
    s_substitut = m_precedent;
}
