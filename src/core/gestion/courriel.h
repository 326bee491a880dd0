#pragma once

#include "printing/impdocument.h"
#include "store/bases.h"

#include <QString>
#include <QStringList>

struct TReglages;
class TFiche;
class TListeBase;

// Starts the desktop's programs. Every start goes through the one instance, so that tests
// record what would have been started and start nothing.
class Lanceur {
public:
    virtual ~Lanceur() = default;
    // Starts `programme` with its arguments, not waiting for it; false when it cannot start.
    virtual bool lance(const QString& programme, const QStringList& arguments) = 0;

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

    // The command line of the desktop's mail composer (xdg-email).
    QStringList arguments() const;
};

// Writes the PDF of a document into `dossier` and prepares its e-mail to the tenant numbered
// `locataire`. A tenant unknown or without "E.mail" stops with a message naming him.
TCourriel PrepareCourriel(const TDocumentImprime& document, const QString& locataire,
                          const TListeBase& locataires, const TReglages& reglages,
                          const QString& dossier);
// The e-mail of the document on the receipt, notice or payment-receipt page of `base`, the
// tenant page stored first.
TCourriel CourrielDocument(TFiche& fiche, Base base, const QString& dossier);
// Opens the mail composer on an e-mail; a composer that cannot start stops with its message.
void EnvoieCourriel(const TCourriel& courriel);
// The folder where the PDFs sent by e-mail are written, made if needed.
QString dossierCourriels();
