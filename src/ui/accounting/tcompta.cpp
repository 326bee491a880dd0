#include "ui/accounting/tcompta.h"

#include "core/accounting/formatsjournal.h"
#include "core/accounting/tgrilletexte.h"
#include "core/common/clock.h"
#include "core/common/conversions.h"
#include "ui/accounting/vuegrille.h"
#include "ui/common/questions.h"
#include "ui/printing/imprimegrille.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFont policeFenetre() {
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(13);
    return police;
}

TMesureTexte mesureDe(const QWidget& fenetre) {
    return [metriques = fenetre.fontMetrics()](const QString& texte) {
        return metriques.horizontalAdvance(texte);
    };
}

QToolButton* boutonOutil(const QString& bulle, QStyle::StandardPixmap icone,
                         const QWidget& fenetre) {
    auto* bouton = new QToolButton;
    bouton->setIcon(fenetre.style()->standardIcon(icone));
    bouton->setText(bulle);
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    bouton->setAutoRaise(true);
    bouton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return bouton;
}

QDateEdit* datePicker(const QString& libelle) {
    auto* date = new QDateEdit;
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    date->setAccessibleName(libelle);
    return date;
}

// Column 0 numbers the rows; the amounts are a little wider than the rest of the layout. The
// date takes what a whole date needs in the window's font, from the label's width.
QList<int> largeurs(const QWidget& fenetre) {
    QList<int> l = {44, 24, 78, 59, 239, 108, 110};
    const int date = fenetre.fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 12;
    if (date > l[2]) {
        l[4] -= date - l[2];
        l[2] = date;
    }
    return l;
}

} // namespace

TCompta::TCompta(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TCompta"));
    setWindowTitle(QStringLiteral("Journal des Achats / Ventes"));
    setFont(policeFenetre());
    m_grille = new TGrilleTexte(EntetesJournal(mesureDe(*this)), this);

    QToolButton* imprimer =
        boutonOutil(QStringLiteral("Imprimer"), QStyle::SP_FileDialogDetailedView, *this);
    QToolButton* exporter =
        boutonOutil(QStringLiteral("Exporter"), QStyle::SP_DialogSaveButton, *this);
    exporter->setObjectName(QStringLiteral("SaveBtn"));
    m_du = datePicker(QStringLiteral("Du"));
    m_au = datePicker(QStringLiteral("Au"));
    auto* ok = new QToolButton;
    ok->setText(QStringLiteral("OK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setAutoDefault(false);
    connect(imprimer, &QToolButton::clicked, this, &TCompta::Imprime);
    connect(exporter, &QToolButton::clicked, this, &TCompta::Exporte);
    connect(ok, &QToolButton::clicked, this, &TCompta::Remplit);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* haut = new QHBoxLayout;
    haut->addWidget(imprimer);
    haut->addWidget(exporter);
    haut->addSpacing(12);
    for (QDateEdit* date : {m_du, m_au}) {
        auto* libelle = new QLabel(date->accessibleName());
        libelle->setBuddy(date);
        haut->addWidget(libelle);
        haut->addWidget(date);
    }
    haut->addWidget(ok);
    haut->addStretch();
    haut->addWidget(fermer);
    m_vue = creeVueGrille(m_grille, largeurs(*this));
    m_vue->setAccessibleName(windowTitle());
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addLayout(haut);
    page->addWidget(m_vue);
    setFixedSize(696, 343);
}

void TCompta::Init(const QList<TLigneJournal>& lignes) {
    m_lignes = lignes;
    const TPeriodeJournal periode = PeriodeJournal(m_lignes, Clock::today());
    m_du->setDate(periode.du);
    m_au->setDate(periode.au);
    Remplit();
}

void TCompta::Remplit() {
    m_affichees = LignesPeriode(m_lignes, m_du->date(), m_au->date());
    m_grille->remplit(LignesGrilleJournal(m_affichees, mesureDe(*this)));
}

void TCompta::Imprime() {
    ImprimeGrille(*m_vue, QStringLiteral("Statistiques ventes au ") + DateToStr(Clock::today()),
                  QString(), m_grille->nbLignes());
}

void TCompta::Exporte() {
    QStringList filtres;
    for (const TFormatJournal& f : FormatsJournal())
        filtres << f.filtre;
    const Questions::FichierChoisi choisi = Questions::instance().fichierAEnregistrerAuFormat(
        filtres.join(QStringLiteral(";;")), QStringLiteral("Journal.txt"));
    QString path = choisi.chemin;
    if (path.isEmpty())
        return;
    // The default extension.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    const FormatJournal format = FormatsJournal().value(choisi.filtre).format;
    execute([&] { ExporteJournalAuFormat(path, m_affichees, format); });
}
