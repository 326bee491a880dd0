#pragma once

#include "core/printing/impdocument.h"
#include "core/store/bases.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

struct TBilanMois;
struct TReglages;
class TFiche;
class TListeBase;

// Starts the desktop's programs. Every start goes through the one instance, so that tests
// record what would have been started and start nothing.
class Lanceur {
public:
    // A program that could not be started at all.
    static constexpr int Introuvable = -1;

    virtual ~Lanceur() = default;
    // Starts `programme` with its arguments and gives its exit code once it has ended, or 0
    // when it is still running after a few seconds (it then goes on by itself);
    // Introuvable when it cannot start.
    virtual int lance(const QString& programme, const QStringList& arguments) = 0;

    static Lanceur& instance();

    class Substitution {
    public:
        explicit Substitution(Lanceur& substitut);
        ~Substitution();
        Substitution(const Substitution&) = delete;
        Substitution& operator=(const Substitution&) = delete;

    private:
        Lanceur* m_precedent;
    };

private:
    static Lanceur* s_substitut;
};

// A document ready to go by e-mail: the tenant's address, the subject and body naming the
// document and its month, and its PDF.
struct TCourriel {
    QString adresse;
    QString sujet;
    QString corps;
    QString piece;

    // The command line of the desktop's mail composer (xdg-email). The address, a plain one,
    // comes last and alone: it can carry neither an option nor a query part.
    QStringList arguments() const;
};

// Writes the PDF of a document into `dossier`, readable by its owner only, and prepares its
// e-mail to the tenant numbered `locataire`. A document without a tenant, a tenant unknown,
// without "E.mail" or whose address is not a plain one stops with a message.
TCourriel PrepareCourriel(const TDocumentImprime& document, const QString& locataire,
                          const TListeBase& locataires, const TReglages& reglages,
                          const QString& dossier);
// The e-mail of the document on the receipt, notice or payment-receipt page of `base`, the
// tenant page stored first.
TCourriel CourrielDocument(TFiche& fiche, Base base, const QString& dossier);
// Opens the mail composer on an e-mail; when none can open, stops with a message that says
// what to install or set.
void EnvoieCourriel(const TCourriel& courriel);

// Opens the e-mails of the receipts a month's run made, one composer at a time: before each
// one after the first, `suivant(ouverts, total, nom)` is asked, and false stops there.
// Gives the messages of the receipts that were not sent, the stop included.
using TSuiteCourriels = std::function<bool(qsizetype ouverts, qsizetype total, const QString& nom)>;
QStringList EnvoieQuittances(const TBilanMois& bilan, const TListeBase& locataires,
                             const TReglages& reglages, const QString& dossier,
                             const TSuiteCourriels& suivant);

// The folder where the PDFs sent by e-mail are written: "tarvinel-courriels" in the user's
// own runtime folder (or in `racine` when given), made readable by its owner only; a folder
// that is not the user's own, or a link, stops with a message. The PDFs left there for more
// than a day are removed.
QString dossierCourriels(const QString& racine = {});
