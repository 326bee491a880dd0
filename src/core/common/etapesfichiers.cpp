#include "core/common/etapesfichiers.h"

#include <utility>

namespace EtapesFichiers {

namespace {
Controle s_controle;
} // namespace

bool autorise(Etape etape, const QString& chemin) {
    return !s_controle || s_controle(etape, chemin);
}

Essai::Essai(Controle controle) : m_precedent(std::exchange(s_controle, std::move(controle))) {}

Essai::~Essai() {
    s_controle = std::move(m_precedent);
}

} // namespace EtapesFichiers
