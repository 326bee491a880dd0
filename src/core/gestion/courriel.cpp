#include "courriel.h"

#include "app/impressions.h"
#include "app/tfiche.h"
#include "app/treglages.h"
#include "common/usererror.h"
#include "documents/tpagedocument.h"
#include "printing/pdf.h"
#include "records/locataire.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

using S = SorteImprimee;

class LanceurSysteme : public Lanceur {
public:
    bool lance(const QString& programme, const QStringList& arguments) override {
        return QProcess::startDetached(programme, arguments);
    }
};

// "votre quittance de loyer", "votre facture"...
QString designation(const TDocumentImprime& d) {
    switch (d.sorte) {
    case S::Quittance:
        return QStringLiteral("quittance de loyer");
    case S::Avis:
        return QStringLiteral("avis d'échéance");
    case S::Recu:
        break;
    }
    return d.genre.trimmed().toLower();
}

QString nomFichier(const TDocumentImprime& d) {
    QString nom = designation(d);
    nom[0] = nom[0].toUpper();
    return nom + u' ' + d.numero.trimmed() + QStringLiteral(".pdf");
}

} // namespace

Lanceur* Lanceur::s_substitut = nullptr;

Lanceur& Lanceur::instance() {
    static LanceurSysteme systeme;
    return s_substitut ? *s_substitut : systeme;
}

Lanceur::Substitution::Substitution(Lanceur& substitut) : m_precedent(s_substitut) {
    s_substitut = &substitut;
}

Lanceur::Substitution::~Substitution() {
    s_substitut = m_precedent;
}

QStringList TCourriel::arguments() const {
    return {QStringLiteral("--utf8"),
            QStringLiteral("--subject"),
            sujet,
            QStringLiteral("--body"),
            corps,
            QStringLiteral("--attach"),
            piece,
            adresse};
}

TCourriel PrepareCourriel(const TDocumentImprime& document, const QString& locataire,
                          const TListeBase& locataires, const TReglages& reglages,
                          const QString& dossier) {
    const int cle = Locataire::description().cle(locataires, locataire.trimmed());
    if (locataire.trimmed().isEmpty() || cle < 0)
        throw UserError(QStringLiteral("Le locataire %1 n'existe pas").arg(locataire.trimmed()));
    const QStringList champs =
        locataires.read(cle, Locataire::Email, Locataire::TotalDu + 1).champs;
    const QString adresse = champs.value(Locataire::Email - 1).trimmed();
    if (adresse.isEmpty())
        throw UserError(
            QStringLiteral("Le locataire %1 (%2) n'a pas d'adresse e-mail")
                .arg(locataire.trimmed(), champs.value(Locataire::NomSoc - 1).trimmed()));

    TCourriel c;
    c.adresse = adresse;
    const QString quoi = designation(document);
    const QString numero = document.numero.trimmed();
    const bool avecMois = document.sorte != S::Recu && !document.mois.isEmpty();
    QString titre = quoi;
    titre[0] = titre[0].toUpper();
    c.sujet = titre + QStringLiteral(" n° ") + numero +
              (avecMois ? QStringLiteral(" - ") + document.mois : QString());
    const QString signature = reglages.lignesProprio[0].trimmed();
    c.corps = QStringLiteral("Bonjour,\n\nVeuillez trouver ci-joint votre %1 n° %2%3.\n\n"
                             "Cordialement,\n%4")
                  .arg(quoi, numero,
                       avecMois ? QStringLiteral(" pour le mois de ") + document.mois : QString(),
                       signature);
    QDir().mkpath(dossier);
    c.piece = QDir(dossier).absoluteFilePath(nomFichier(document));
    EcritPdf(travailDocument(document, reglages.typePapier, proprietaire(reglages.lignesProprio)),
             c.piece);
    return c;
}

TCourriel CourrielDocument(TFiche& fiche, Base base, const QString& dossier) {
    const TPageDocument* page = fiche.pageDocument(base);
    if (!page)
        throw UserError(QStringLiteral("Aucun document à envoyer sur cette page"));
    fiche.EcritPage(Base::Locataires);
    return PrepareCourriel(documentImprime(*page), page->champ(ChampDocument::Locataire),
                           fiche.base(Base::Locataires), fiche.reglages(), dossier);
}

void EnvoieCourriel(const TCourriel& courriel) {
    if (!Lanceur::instance().lance(QStringLiteral("xdg-email"), courriel.arguments()))
        throw UserError(QStringLiteral(
            "La messagerie n'a pas pu être ouverte (xdg-email, du paquet xdg-utils, est-il "
            "installé ?)"));
}

QString dossierCourriels() {
    const QString dossier = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                                .filePath(QStringLiteral("tarvinel-courriels"));
    QDir().mkpath(dossier);
    return dossier;
}
