#include "ui/shell/taide.h"

#include "core/app/aide.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString titreDe(const QString& fichier) {
    for (const Aide::TPageAide& page : Aide::pages())
        if (page.fichier == fichier)
            return page.titre;
    return fichier;
}

} // namespace

TAide::TAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Aide de Tarvinel"));
    resize(860, 560);

    auto* gauche = new QWidget;
    auto* colonne = new QVBoxLayout(gauche);
    colonne->setContentsMargins(0, 0, 0, 0);
    auto* libelle = new QLabel(QStringLiteral("&Rechercher :"));
    m_recherche = new QLineEdit;
    m_recherche->setAccessibleName(QStringLiteral("Rechercher"));
    m_recherche->setClearButtonEnabled(true);
    libelle->setBuddy(m_recherche);
    m_liste = new QListWidget;
    m_liste->setAccessibleName(QStringLiteral("Sommaire"));
    colonne->addWidget(libelle);
    colonne->addWidget(m_recherche);
    colonne->addWidget(m_liste);

    auto* droite = new QWidget;
    auto* page = new QVBoxLayout(droite);
    page->setContentsMargins(0, 0, 0, 0);
    auto* boutons = new QHBoxLayout;
    auto* precedent = new QPushButton(QStringLiteral("&Précédent"));
    auto* suivant = new QPushButton(QStringLiteral("&Suivant"));
    auto* sommaire = new QPushButton(QStringLiteral("S&ommaire"));
    precedent->setEnabled(false);
    suivant->setEnabled(false);
    for (QPushButton* b : {precedent, suivant, sommaire})
        boutons->addWidget(b);
    boutons->addStretch();
    m_navigateur = new QTextBrowser;
    m_navigateur->setAccessibleName(QStringLiteral("Page d'aide"));
    m_navigateur->setSearchPaths({Aide::Racine});
    m_navigateur->setOpenExternalLinks(true);
    page->addLayout(boutons);
    page->addWidget(m_navigateur);

    auto* separation = new QSplitter;
    separation->addWidget(gauche);
    separation->addWidget(droite);
    separation->setStretchFactor(1, 1);
    separation->setSizes({300, 560});
    auto* cadre = new QVBoxLayout(this);
    cadre->addWidget(separation);

    connect(m_recherche, &QLineEdit::textChanged, this, &TAide::filtre);
    connect(m_liste, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* element) {
        if (element)
            m_navigateur->setSource(QUrl(Aide::url(element->data(Qt::UserRole).toString())));
    });
    connect(m_navigateur, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(m_navigateur, &QTextBrowser::forwardAvailable, suivant, &QPushButton::setEnabled);
    connect(precedent, &QPushButton::clicked, m_navigateur, &QTextBrowser::backward);
    connect(suivant, &QPushButton::clicked, m_navigateur, &QTextBrowser::forward);
    connect(sommaire, &QPushButton::clicked, this, [this] { montre(Aide::Sommaire); });
    connect(m_navigateur, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(QStringLiteral("Aide de Tarvinel - %1").arg(m_navigateur->documentTitle()));
    });
    filtre();
}

void TAide::filtre() {
    const QString mots = m_recherche->text().trimmed();
    if (mots.isEmpty()) {
        QStringList tous;
        for (const Aide::TPageAide& page : Aide::pages())
            tous << page.fichier;
        remplit(tous);
        return;
    }
    remplit(Aide::cherche(mots));
}

void TAide::remplit(const QStringList& fichiers) {
    const QSignalBlocker bloque(m_liste);
    m_liste->clear();
    for (const QString& fichier : fichiers) {
        auto* element = new QListWidgetItem(titreDe(fichier), m_liste);
        element->setData(Qt::UserRole, fichier);
    }
    if (!m_recherche->text().trimmed().isEmpty() && fichiers.isEmpty())
        (new QListWidgetItem(QStringLiteral("Aucune page ne contient ces mots"), m_liste))
            ->setFlags(Qt::NoItemFlags);
}

void TAide::montre(const QString& fichier) {
    m_navigateur->setSource(QUrl(Aide::url(fichier)));
    presente();
}

void TAide::recherche() {
    presente();
    m_recherche->setFocus();
    m_recherche->selectAll();
}

void TAide::presente() {
    show();
    raise();
    activateWindow();
}
