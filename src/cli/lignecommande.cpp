#include "cli/lignecommande.h"

#include "cli/documentpdf.h"
#include "cli/rapports.h"
#include "cli/verification.h"
#include "core/app/programme.h"
#include "core/common/conversions.h"
#include "core/common/usererror.h"

#include <QDir>
#include <cstdio>

namespace LigneCommande {

namespace {

const QString OptionAide = QStringLiteral("--help");
const QString OptionVersion = QStringLiteral("--version");

int verifier(const TArguments& arguments, QTextStream& sortie) {
    const QString dossier = arguments.operandes.at(0);
    const TVerification verification = VerifieDossier(dossier);
    const bool reparer = arguments.drapeaux.contains(QStringLiteral("--reparer"));
    const bool repare = reparer && !verification.saine() && ReparerDossier(dossier);
    for (const QString& ligne : rapportVerification(verification, repare))
        sortie << ligne << '\n';
    // A dossier left damaged is a failure, so that a script sees it.
    return verification.saine() || repare ? 0 : 1;
}

int pdf(const TArguments& arguments, QTextStream& sortie) {
    const QString fichier = arguments.valeurs.value(QStringLiteral("-o"));
    DocumentPdf(arguments.operandes.at(0), arguments.operandes.at(1), arguments.operandes.at(2),
                fichier, QDir::currentPath());
    sortie << QStringLiteral("%1 %2 écrit dans %3")
                  .arg(arguments.operandes.at(0), arguments.operandes.at(1),
                       QDir::toNativeSeparators(fichier))
           << '\n';
    return 0;
}

int journal(const TArguments& arguments, QTextStream& sortie) {
    const QString du = QStringLiteral("--du");
    const QString au = QStringLiteral("--au");
    const QDate debut = DateOption(du, arguments.valeurs.value(du));
    const QDate fin = DateOption(au, arguments.valeurs.value(au));
    const QString fichier = arguments.valeurs.value(QStringLiteral("-o"));
    const qsizetype lignes = JournalDossier(arguments.operandes.at(0), debut, fin,
                                            arguments.drapeaux.contains(QStringLiteral("--fec")),
                                            fichier, QDir::currentPath());
    sortie << QStringLiteral("Journal du %1 au %2 : %3 lignes écrites dans %4")
                  .arg(DateToStr(debut), DateToStr(fin), QString::number(lignes),
                       QDir::toNativeSeparators(fichier))
           << '\n';
    return 0;
}

int statistiques(const TArguments& arguments, QTextStream& sortie) {
    for (const QString& ligne : StatistiquesDossier(arguments.operandes.at(0),
                                                    arguments.operandes.at(1), QDir::currentPath()))
        sortie << ligne << '\n';
    return 0;
}

QList<TCommande> table() {
    return {
        {QStringLiteral("--verifier"),
         QStringLiteral("--verifier DOSSIER.loc [--reparer]"),
         QStringLiteral("Vérifie les sept fichiers du dossier : pour chaque base, les fiches "
                        "trouvées, réparées et les doublons retirés. Avec --reparer, enregistre "
                        "le dossier réparé (les fichiers remplacés sont gardés en sauvegarde)."),
         {QStringLiteral("DOSSIER.loc")},
         {},
         {},
         {QStringLiteral("--reparer")},
         verifier},
        {QStringLiteral("--pdf"),
         QStringLiteral("--pdf %1 NUMERO DOSSIER.loc -o FICHIER.pdf")
             .arg(sortesDocumentPdf().join(u'|')),
         QStringLiteral("Écrit en PDF le document de ce numéro, tel que l'imprime sa page ; "
                        "l'en-tête du propriétaire vient des fichiers de réglages du "
                        "répertoire courant."),
         {QStringLiteral("DOCUMENT"), QStringLiteral("NUMERO"), QStringLiteral("DOSSIER.loc")},
         {QStringLiteral("-o")},
         {QStringLiteral("-o")},
         {},
         pdf},
        {QStringLiteral("--journal"),
         QStringLiteral("--journal DOSSIER.loc --du JJ/MM/AAAA --au JJ/MM/AAAA [--fec] -o FICHIER"),
         QStringLiteral("Écrit les lignes du journal des ventes datées du --du au --au inclus : "
                        "en texte + tabulations, ou avec --fec en fichier des écritures "
                        "comptables (séparateur |). Les comptes viennent des fichiers de "
                        "réglages du répertoire courant."),
         {QStringLiteral("DOSSIER.loc")},
         {QStringLiteral("--du"), QStringLiteral("--au"), QStringLiteral("-o")},
         {QStringLiteral("--du"), QStringLiteral("--au"), QStringLiteral("-o")},
         {QStringLiteral("--fec")},
         journal},
        {QStringLiteral("--statistiques"),
         QStringLiteral("--statistiques %1 DOSSIER.loc").arg(sortesStatistiques().join(u'|')),
         QStringLiteral("Affiche les lignes des statistiques, une par ligne, les colonnes "
                        "séparées par des tabulations, après la ligne de leurs titres."),
         {QStringLiteral("STATISTIQUES"), QStringLiteral("DOSSIER.loc")},
         {},
         {},
         {},
         statistiques},
    };
}

const TCommande* commandeDe(const QString& option) {
    for (const TCommande& c : commandes())
        if (c.option == option)
            return &c;
    return nullptr;
}

TDemande erreur(const QString& message) {
    TDemande d;
    d.genre = TDemande::Erreur;
    d.erreur = message;
    return d;
}

bool estOption(const QString& mot) {
    return mot.size() > 1 && mot.startsWith(u'-');
}

TDemande analyseCommande(const TCommande& commande, const QStringList& mots) {
    TDemande d;
    d.genre = TDemande::Commande;
    d.commande = &commande;
    for (int i = 0; i < mots.size(); ++i) {
        const QString& mot = mots.at(i);
        if (commande.optionsValeur.contains(mot)) {
            if (i + 1 >= mots.size())
                return erreur(QStringLiteral("L'option %1 attend une valeur").arg(mot));
            d.arguments.valeurs.insert(mot, mots.at(++i));
        } else if (commande.drapeaux.contains(mot)) {
            d.arguments.drapeaux.insert(mot);
        } else if (estOption(mot)) {
            return erreur(QStringLiteral("Option inconnue pour %1 : %2").arg(commande.option, mot));
        } else {
            d.arguments.operandes << mot;
        }
    }
    if (d.arguments.operandes.size() != commande.operandes.size())
        return erreur(QStringLiteral("Usage : tarvinel %1").arg(commande.syntaxe));
    for (const QString& option : commande.optionsRequises)
        if (d.arguments.valeurs.value(option).isEmpty())
            return erreur(QStringLiteral("L'option %1 est obligatoire : tarvinel %2")
                              .arg(option, commande.syntaxe));
    return d;
}

} // namespace

const QList<TCommande>& commandes() {
    static const QList<TCommande> liste = table();
    return liste;
}

TDemande analyse(const QStringList& arguments) {
    if (arguments.isEmpty())
        return {};
    const QString& premier = arguments.first();
    if (premier == OptionAide || premier == QStringLiteral("-h")) {
        TDemande d;
        d.genre = TDemande::Aide;
        return d;
    }
    if (premier == OptionVersion) {
        TDemande d;
        d.genre = TDemande::Version;
        return d;
    }
    if (const TCommande* commande = commandeDe(premier))
        return analyseCommande(*commande, arguments.mid(1));
    if (estOption(premier))
        return erreur(QStringLiteral("Option inconnue : %1").arg(premier));
    if (arguments.size() > 1)
        return erreur(QStringLiteral("Un seul dossier peut être ouvert : %1")
                          .arg(arguments.mid(1).join(u' ')));
    TDemande d;
    d.dossier = premier;
    return d;
}

bool sansFenetre(const QStringList& arguments) {
    // Qt's own options, taken by the window, begin with one dash; ours with two.
    return !arguments.isEmpty() &&
           (arguments.first() == QStringLiteral("-h") || arguments.first().startsWith("--"));
}

QString aide() {
    QString texte = QStringLiteral(
        "Tarvinel, gestion des locations immobilières.\n\n"
        "Usage :\n"
        "  tarvinel [DOSSIER.loc]\n"
        "      Ouvre la fenêtre du programme, sur le dossier donné s'il y en a un.\n");
    for (const TCommande& c : commandes())
        texte += QStringLiteral("  tarvinel %1\n      %2\n").arg(c.syntaxe, c.description);
    texte += QStringLiteral("  tarvinel --version\n      Affiche la version et la licence du "
                            "programme.\n"
                            "  tarvinel --help\n      Affiche cette aide.\n\n"
                            "Code de sortie : 0 si la commande a réussi, 1 si elle a échoué, "
                            "2 si la ligne de commande est incorrecte.\n");
    return texte;
}

int execute(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs) {
    const TDemande demande = analyse(arguments);
    switch (demande.genre) {
    case TDemande::Aide:
        sortie << aide();
        return 0;
    case TDemande::Version:
        sortie << Programme::texteVersion();
        return 0;
    case TDemande::Erreur:
        erreurs << "tarvinel : " << demande.erreur << '\n'
                << "Pour la liste des commandes : tarvinel --help\n";
        return 2;
    case TDemande::Fenetre:
        erreurs << "tarvinel : aucune commande donnée\n";
        return 2;
    case TDemande::Commande:
        break;
    }
    try {
        return demande.commande->action(demande.arguments, sortie);
    } catch (const UserError& e) {
        erreurs << "tarvinel : " << e.message() << '\n';
        return 1;
    }
}

void prepareSansFenetre() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the command's own messages; Qt's notes about its environment
    // would only muddle them.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& texte) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(texte));
    });
}

} // namespace LigneCommande
