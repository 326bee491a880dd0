#pragma once

#include "ui/printing/imprimante.h"

#include <memory>

class QPrinter;

// The printers of the system as Qt offers them (CUPS on Linux): one printer chosen for the
// whole run, the preview window, the print and page-setup dialogs.
class ImprimanteSysteme : public Imprimante {
public:
    ImprimanteSysteme();
    ~ImprimanteSysteme() override;

    void imprime(const TTravailImpression& travail) override;
    std::optional<TPlage> plage(const QString& titre, int n) override;
    void imprimeDirectement(const TTravailImpression& travail) override;
    void configure() override;
    TMiseEnPage miseEnPage(const TMiseEnPage& initiale) override;

    // The printer that the next jobs go to, by the name the print system gives it, as
    // "Configurer imprimante..." chooses it; false, the choice unchanged, when there is none
    // of that name.
    bool choisit(const QString& nom);

private:
    QPrinter& imprimante();

    std::unique_ptr<QPrinter> m_imprimante;
};
