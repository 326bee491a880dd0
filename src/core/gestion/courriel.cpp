#include "core/gestion/courriel.h"

#include "core/app/impressions.h"
#include "core/app/tfiche.h"
#include "core/app/treglages.h"
#include "core/common/clock.h"
#include "core/common/usererror.h"
#include "core/documents/tpagedocument.h"
#include "core/gestion/quittancesdumois.h"
#include "core/printing/pdf.h"
#include "core/records/adressecourriel.h"
#include "core/records/locataire.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace {

using S = SorteImprimee;

// How long a program is given to fail before it is taken as started.
constexpr int AttenteMs = 4000;

class LanceurSysteme : public Lanceur {
public:
    int lance(const QString& programme, const QStringList& arguments) override {
        // The process lives on by itself when it outlasts the wait, and is then forgotten.
        auto* processus = new QProcess(QCoreApplication::instance());
        QObject::connect(processus, &QProcess::finished, processus, &QObject::deleteLater);
        processus->start(programme, arguments);
        if (!processus->waitForStarted()) {
            processus->deleteLater();
            return Introuvable;
        }
        if (!processus->waitForFinished(AttenteMs))
            return 0;
        return processus->exitStatus() == QProcess::NormalExit ? processus->exitCode() : 0;
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

constexpr QFile::Permissions Proprietaire = QFile::ReadOwner | QFile::WriteOwner;

// The PDFs of the mails of former days: their composers have long taken them.
void nettoie(const QDir& dossier) {
    const QDateTime limite = Clock::now().addDays(-1);
    for (const QFileInfo& f : dossier.entryInfoList(QDir::Files | QDir::Hidden))
        if (f.lastModified() < limite)
            QFile::remove(f.absoluteFilePath());
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
    const QString numeroLocataire = locataire.trimmed();
    if (numeroLocataire.isEmpty())
        throw UserError(QStringLiteral("Ce document n'a pas de N° locataire : il n'y a personne "
                                       "à qui l'envoyer"));
    const int cle = Locataire::description().cle(locataires, numeroLocataire);
    if (cle < 0)
        throw UserError(QStringLiteral("Le locataire %1 n'existe pas").arg(numeroLocataire));
    const QStringList champs =
        locataires.read(cle, Locataire::Email, Locataire::TotalDu + 1).champs;
    const QString adresse = champs.value(Locataire::Email - 1).trimmed();
    const QString nom = champs.value(Locataire::NomSoc - 1).trimmed();
    if (adresse.isEmpty())
        throw UserError(QStringLiteral("Le locataire %1 (%2) n'a pas d'adresse e-mail")
                            .arg(numeroLocataire, nom));
    if (!estAdresseCourriel(adresse))
        throw UserError(QStringLiteral("Le locataire %1 (%2) : %3")
                            .arg(numeroLocataire, nom, refusAdresseCourriel(adresse)));

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
    c.piece = QDir(dossier).absoluteFilePath(nomFichier(document));
    EcritPdf(travailDocument(document, reglages.typePapier, proprietaire(reglages.lignesProprio)),
             c.piece);
    QFile::setPermissions(c.piece, Proprietaire);
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
    const int code = Lanceur::instance().lance(QStringLiteral("xdg-email"), courriel.arguments());
    const QString piece = QDir::toNativeSeparators(courriel.piece);
    // The exit codes of xdg-email: 3 when no mail program can be found.
    switch (code) {
    case 0:
        return;
    case Lanceur::Introuvable:
        throw UserError(
            QStringLiteral("La messagerie n'a pas pu être ouverte : le programme xdg-email n'est "
                           "pas installé. Installez le paquet xdg-utils et une messagerie "
                           "(Thunderbird, Evolution...), ou envoyez vous-même le PDF %1 à %2.")
                .arg(piece, courriel.adresse));
    case 3:
        throw UserError(
            QStringLiteral("Aucun programme de messagerie n'est installé ou choisi : installez-en "
                           "un (Thunderbird, Evolution...) et choisissez-le comme messagerie par "
                           "défaut dans les réglages du bureau, ou envoyez vous-même le PDF %1 "
                           "à %2.")
                .arg(piece, courriel.adresse));
    default:
        throw UserError(QStringLiteral("La messagerie n'a pas pu ouvrir le message (xdg-email a "
                                       "rendu le code %1) : envoyez vous-même le PDF %2 à %3.")
                            .arg(QString::number(code), piece, courriel.adresse));
    }
}

QStringList EnvoieQuittances(const TBilanMois& bilan, const TListeBase& locataires,
                             const TReglages& reglages, const QString& dossier,
                             const TSuiteCourriels& suivant) {
    QStringList refus;
    qsizetype ouverts = 0;
    const qsizetype total = bilan.creees.size();
    for (qsizetype i = 0; i < total; ++i) {
        const TQuittanceDuMois& q = bilan.creees[i];
        TCourriel courriel;
        try {
            courriel =
                PrepareCourriel(bilan.documents[i], q.locataire, locataires, reglages, dossier);
        } catch (const UserError& erreur) {
            refus.append(erreur.message());
            continue;
        }
        if (ouverts > 0 && !suivant(ouverts, total, q.nom.trimmed())) {
            refus.append(
                QStringLiteral("Envoi arrêté : %1 quittance(s) non envoyée(s)").arg(total - i));
            break;
        }
        try {
            EnvoieCourriel(courriel);
            ++ouverts;
        } catch (const UserError& erreur) {
            refus.append(erreur.message());
            // Without a mail program, the next ones would fail the same way.
            if (ouverts == 0) {
                refus.append(QStringLiteral("%1 quittance(s) non envoyée(s)").arg(total - i));
                break;
            }
        }
    }
    return refus;
}

QString dossierCourriels(const QString& racine) {
    const QString base = racine.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                             : racine;
    const QString chemin = QDir(base).filePath(QStringLiteral("tarvinel-courriels"));
    constexpr QFile::Permissions Prive = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QDir(base).mkdir(QStringLiteral("tarvinel-courriels"), Prive);
    const QFileInfo info(chemin);
    if (info.isSymLink() || !info.isDir() || info.ownerId() != ::getuid())
        throw UserError(QStringLiteral("Le dossier %1 n'est pas un dossier à vous : les PDF à "
                                       "envoyer n'y seront pas écrits")
                            .arg(QDir::toNativeSeparators(chemin)));
    if (info.permissions() != (Prive | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser) &&
        !QFile::setPermissions(chemin, Prive))
        throw UserError(QStringLiteral("Le dossier %1 ne peut pas être réservé à vous seul")
                            .arg(QDir::toNativeSeparators(chemin)));
    nettoie(QDir(chemin));
    return chemin;
}
