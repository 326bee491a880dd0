#pragma once

#include <QString>

#include <functional>

// Every step by which the program changes a file on disk goes through here, so that a test
// can make one fail as a full disk or a refused access would, or stop the program right there.
namespace EtapesFichiers {

enum class Etape { Creation, Ecriture, Synchro, Renommage, Lien, Suppression };

using Controle = std::function<bool(Etape etape, const QString& chemin)>;

// Whether the step may go on; false when a test made it fail.
bool autorise(Etape etape, const QString& chemin);

// While it lives, every step is first put to `controle`.
class Essai {
public:
    explicit Essai(Controle controle);
    ~Essai();
    Essai(const Essai&) = delete;
    Essai& operator=(const Essai&) = delete;

private:
    Controle m_precedent;
};

} // namespace EtapesFichiers
