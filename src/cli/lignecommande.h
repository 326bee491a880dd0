#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

// The program's command line. Without a command it opens the window, on the dossier given if
// any; with one it runs it without a window, writes its output on standard output and its
// failures, in French, on standard error.
namespace LigneCommande {

// The words of one command, once its option, operands and options are read.
struct TArguments {
    QStringList operandes;
    QHash<QString, QString> valeurs; // "-o" -> "quittance.pdf"
    QSet<QString> drapeaux;          // "--reparer"
};

// One command: its option, its operands and options as help shows them, and what it does. The
// action writes its report on `sortie` and throws UserError on failure; it gives the exit code.
struct TCommande {
    QString option;
    QString syntaxe;
    QString description;
    QStringList operandes;       // names of the operands, in order
    QStringList optionsValeur;   // options followed by a value
    QStringList optionsRequises; // those of optionsValeur that must be given
    QStringList drapeaux;        // options alone
    std::function<int(const TArguments&, QTextStream& sortie)> action;
};

// The commands, in the order help lists them.
const QList<TCommande>& commandes();

// What the arguments after the program's name ask for.
struct TDemande {
    enum Genre { Fenetre, Commande, Aide, Version, Erreur };
    Genre genre = Fenetre;
    QString dossier;             // Fenetre: the dossier to open at start, if any
    const TCommande* commande{}; // Commande
    TArguments arguments;        // Commande
    QString erreur;              // Erreur
};
TDemande analyse(const QStringList& arguments);

// Whether the arguments name a command or help, or an option that is neither, so that no
// window is to be made.
bool sansFenetre(const QStringList& arguments);

// The help text of `tarvinel --help`.
QString aide();

// Runs what the arguments ask without a window; the exit code: 0 when done, 1 when the command
// failed, 2 when the command line is wrong.
int execute(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs);

// Before the application object of a command: the commands draw text and pages without a
// window, so with no display platform chosen, the one that needs no display; and only the
// command's messages and Qt's failures reach standard error.
void prepareSansFenetre();

} // namespace LigneCommande
