#include "ui/shell/questionsdialogues.h"

#include "ui/documents/tdialoguedepart.h"
#include "ui/records/listes.h"
#include "ui/store/tdialoguesaisie.h"
#include "ui/store/tdialoguetri.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString titreAvertissement() {
    return QStringLiteral("Avertissement");
}

QString titreProgramme() {
    return QStringLiteral("Tarvinel");
}

QString choisitFichier(QFileDialog& dialogue) {
    // The program asks its own question before replacing a file, in its own words.
    dialogue.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialogue.setFileMode(QFileDialog::AnyFile);
    // Wide enough for the size and date columns to show whole.
    dialogue.resize(760, 460);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    return dialogue.selectedFiles().constFirst();
}

} // namespace

Questions::Reponse QuestionsDialogues::ouiNonAnnuler(const QString& texte) {
    QMessageBox boite(QMessageBox::Warning, titreAvertissement(), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton* oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    QPushButton* annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler);
    boite.exec();
    if (boite.clickedButton() == oui)
        return Reponse::Oui;
    if (boite.clickedButton() == non)
        return Reponse::Non;
    return Reponse::Annuler;
}

bool QuestionsDialogues::okAnnuler(const QString& texte) {
    QMessageBox boite(QMessageBox::Warning, titreAvertissement(), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton* ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    boite.setDefaultButton(ok);
    boite.setEscapeButton(annuler);
    boite.exec();
    return boite.clickedButton() == ok;
}

void QuestionsDialogues::message(const QString& texte) {
    QMessageBox boite(QMessageBox::Information, titreProgramme(), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton* ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boite.setDefaultButton(ok);
    boite.setEscapeButton(ok);
    boite.exec();
}

std::optional<QString> QuestionsDialogues::saisie(const QString& titre, const QString& invite,
                                                  const QString& defaut) {
    QInputDialog boite(QApplication::activeWindow());
    boite.setWindowTitle(titre);
    boite.setLabelText(invite);
    boite.setTextValue(defaut);
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    if (boite.exec() != QDialog::Accepted)
        return std::nullopt;
    return boite.textValue();
}

std::optional<QString> QuestionsDialogues::entree(const TSaisieDef& saisie,
                                                  const QString& initial) {
    TDialogueSaisie dialogue(saisie, QApplication::activeWindow());
    dialogue.Init(initial);
    dialogue.exec();
    return dialogue.Result();
}

int QuestionsDialogues::tri(const QStringList& criteres) {
    TDialogueTri dialogue(criteres, QApplication::activeWindow());
    dialogue.exec();
    return dialogue.Result();
}

std::optional<int> QuestionsDialogues::choix(const QString& titre, const QString& invite,
                                             const QStringList& elements) {
    QInputDialog boite(QApplication::activeWindow());
    boite.setWindowTitle(titre);
    boite.setLabelText(invite);
    boite.setOption(QInputDialog::UseListViewForComboBoxItems);
    boite.setComboBoxItems(elements);
    if (!elements.isEmpty())
        boite.setTextValue(elements.first());
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    // Wide enough for the longest item, so that none is cut.
    int largeur = 400;
    for (const QString& element : elements)
        largeur = std::max(largeur, boite.fontMetrics().horizontalAdvance(element) + 80);
    boite.resize(largeur, 320);
    if (boite.exec() != QDialog::Accepted)
        return std::nullopt;
    const qsizetype rang = elements.indexOf(boite.textValue());
    return rang < 0 ? std::nullopt : std::optional<int>(int(rang));
}

int QuestionsDialogues::fiche(Base base, const TListeBase& liste) {
    return choisitFiche(base, liste, QApplication::activeWindow());
}

QString QuestionsDialogues::code(Base base, const TListeBase& liste) {
    return choisitCode(base, liste, QApplication::activeWindow());
}

std::optional<int> QuestionsDialogues::document(Base base, const TListeBase& liste) {
    return choisitDocument(base, liste, QApplication::activeWindow());
}

bool QuestionsDialogues::depart(TDepart& depart) {
    TDialogueDepart dialogue(depart, QApplication::activeWindow());
    return dialogue.exec() == QDialog::Accepted;
}

std::optional<QString> QuestionsDialogues::typeLot(const QStringList& types,
                                                   const QString& courant) {
    return choisitTypeLot(types, courant, QApplication::activeWindow());
}

std::optional<QFont> QuestionsDialogues::police(const QFont& initiale) {
    QFontDialog dialogue(initiale, QApplication::activeWindow());
    dialogue.setWindowTitle(QStringLiteral("Police"));
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue.selectedFont();
}

QString QuestionsDialogues::fichierAOuvrir(const QString& filtre) {
    QFileDialog dialogue(QApplication::activeWindow(), QStringLiteral("Ouvrir"), QString(), filtre);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    return choisitFichier(dialogue);
}

Questions::FichierChoisi
QuestionsDialogues::fichierAEnregistrerAuFormat(const QString& filtre, const QString& nomPropose) {
    QFileDialog dialogue(QApplication::activeWindow(), QStringLiteral("Enregistrer sous"),
                         QString(), filtre);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension takes the one of the filter shown.
    const auto suffixe = [&dialogue](const QString& filtre) {
        static const QRegularExpression extension(QStringLiteral(R"(\(\*\.(\w+)\))"));
        const QRegularExpressionMatch trouve = extension.match(filtre);
        dialogue.setDefaultSuffix(trouve.hasMatch() ? trouve.captured(1) : QString());
    };
    suffixe(dialogue.selectedNameFilter());
    QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue, suffixe);
    dialogue.selectFile(nomPropose);
    const QString chemin = choisitFichier(dialogue);
    return {chemin, int(std::max<qsizetype>(
                        0, dialogue.nameFilters().indexOf(dialogue.selectedNameFilter())))};
}
