#pragma once

#include "core/app/impressions.h"
#include "core/printing/tcanevas.h"

#include <optional>

// Every print job, print dialog and page-setup question of the program goes through the one
// instance of this interface, so that tests print nothing and answer by script.
class Imprimante {
public:
    virtual ~Imprimante() = default;

    // Shows the job's pages in the preview window, on the printer chosen last: from there
    // "Imprimer" opens the print dialog, with its printers and its PDF file, and
    // "Exporter en PDF..." writes the pages to a PDF file. A landscape job leaves the printer
    // upright again.
    virtual void imprime(const TTravailImpression& travail) = 0;
    // What the print dialog of a list gives back: the first and last page chosen, and whether
    // its "Aperçu" button closed it rather than "Imprimer".
    struct TPlage {
        int premiere = 1;
        int derniere = 1;
        bool apercu = false;
    };
    // The print dialog of a list titled `titre`, its pages 1 to n standing for the n records;
    // nothing when it is cancelled.
    virtual std::optional<TPlage> plage(const QString& titre, int n) = 0;
    // Prints a job at once on the printer chosen in the dialog just closed. A landscape job
    // leaves the printer upright again.
    virtual void imprimeDirectement(const TTravailImpression& travail) = 0;
    // "Configurer imprimante...": the printer that the next jobs go to.
    virtual void configure() = 0;
    // "Mise en page": the dialog opened on `initiale`; what it gives back, -1 as orientation
    // when it was cancelled.
    virtual TMiseEnPage miseEnPage(const TMiseEnPage& initiale) = 0;

    // The instance in force: the system's printers unless a substitute is installed.
    static Imprimante& instance();

    // Until it is destroyed, every job and question goes to `substitut`.
    class Substitution {
    public:
        explicit Substitution(Imprimante& substitut);
        ~Substitution();
        Substitution(const Substitution&) = delete;
        Substitution& operator=(const Substitution&) = delete;

    private:
        Imprimante* m_precedente;
    };

private:
    static Imprimante* s_substitut;
};
