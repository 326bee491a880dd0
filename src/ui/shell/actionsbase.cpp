#include "ui/shell/actionsbase.h"

#include "core/app/tfiche.h"
#include "core/common/textfile.h"
#include "core/records/echange.h"
#include "ui/common/questions.h"
#include "ui/records/tficheform.h"
#include "ui/records/tpagevue.h"
#include "ui/store/progression.h"

#include <QApplication>

namespace {

// Runs an operation of the record window, then puts the focus back on the page on screen.
template <typename Operation> void agit(TFicheForm& form, Operation&& operation) {
    if (execute(operation))
        form.vueVisible()->focusChamp();
}

} // namespace

void Rechercher(TFiche& fiche, TFicheForm& form, Recherche recherche) {
    const std::optional<TDefRecherche> def = defRecherche(recherche, fiche.pageActive());
    if (!def)
        return;
    // What the card on screen holds reaches its base before the question.
    if (!execute([&] { fiche.EcritPage(fiche.pageActive()); }))
        return;
    const std::optional<QString> debut = Questions::instance().entree(*def->saisie, QString());
    if (!debut || debut->isEmpty())
        return;
    agit(form, [&] { fiche.Cherche(recherche, *debut); });
}

void Trier(TFiche& fiche, TFicheForm& form, Tri tri) {
    const std::optional<TDefTri> def = defTri(tri, fiche.pageActive());
    if (!def)
        return;
    const int critere = Questions::instance().tri(def->criteres);
    if (critere < 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    agit(form, [&] { fiche.Trie(tri, critere); });
    QApplication::restoreOverrideCursor();
}

bool Importer(TFiche& fiche, TFicheForm& form, QWidget* parent) {
    Questions& questions = Questions::instance();
    if (!execute([&] { dispositionPage(fiche.pageActive()); }))
        return false;
    const QString chemin =
        questions.fichierAOuvrir(QStringLiteral("Ficher texte (*.txt);;Fichier Csv (*.csv)"));
    if (chemin.isEmpty())
        return false;
    Echange::TBilan bilan;
    TFenetreProgression fenetre(QStringLiteral("Importation des fiches..."), parent);
    if (!fenetre.execute(
            [&](const TProgression& progression) { bilan = fiche.Importe(chemin, progression); }))
        return false;
    form.vueVisible()->focusChamp();
    if (bilan.tronque)
        questions.message(QStringLiteral("Trop de lignes, le fichier a été tronqué"));
    return true;
}

void Exporter(TFiche& fiche, QWidget* parent) {
    Questions& questions = Questions::instance();
    if (!execute([&] { dispositionPage(fiche.pageActive()); }))
        return;
    const QString choisi = questions.fichierAEnregistrer(
        QStringLiteral("Fichier texte (*.txt);;Ficher csv (*.csv)"), QStringLiteral("Export"));
    if (choisi.isEmpty())
        return;
    const QString chemin = Echange::cheminExport(choisi);
    if (TextFile::exists(chemin) && !questions.confirmeRemplacement())
        return;
    TFenetreProgression fenetre(QStringLiteral("Exportation des fiches..."), parent);
    fenetre.execute([&](const TProgression& progression) { fiche.Exporte(chemin, progression); });
}
