#include "ui/records/tficheform.h"

#include "core/app/tfiche.h"
#include "core/documents/descriptiondocument.h"
#include "core/documents/tpagedocument.h"
#include "ui/common/questions.h"
#include "ui/documents/tvuedocument.h"
#include "ui/purchasing/tvuecommande.h"
#include "ui/records/tpagevue.h"
#include "ui/records/tvuefiche.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString nomDePage(Base base) {
    switch (base) {
    case Base::Locataires:
        return QStringLiteral("Locataires");
    case Base::Fournisseurs:
        return QStringLiteral("Fournisseurs");
    case Base::Lots:
        return QStringLiteral("Lots");
    case Base::Quittances:
        return QStringLiteral("Quittances");
    case Base::Avis:
        return QStringLiteral("Avis");
    case Base::Commandes:
        return QStringLiteral("Commandes");
    case Base::Recus:
        return QStringLiteral("Reçus");
    }
    return QString();
}

// The view of a base's page: the widgets of its card, its rent document or its order.
TPageVue* creeVue(TFiche& fiche, Base base) {
    TPageVue* vue = nullptr;
    if (TPageEnregistrement* page = fiche.pageFiche(base))
        vue = new TVueFiche(*page);
    else if (fiche.pageDocument(base))
        vue = new TVueDocument(fiche, base);
    else
        vue = new TVueCommande(fiche);
    vue->setObjectName(nomDePage(base));
    return vue;
}

} // namespace

TFicheForm::TFicheForm(TFiche& fiche, QWidget* parent)
    : QWidget(parent), m_fiche(fiche), m_pages(new QStackedWidget(this)) {
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(m_pages);
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(13);
    setFont(police);
    m_fiche.contexte().mesure = [metriques = QFontMetrics(police)](const QString& texte) {
        return metriques.horizontalAdvance(texte);
    };
    for (Base base : ToutesLesBases) {
        m_vues[indexOf(base)] = creeVue(m_fiche, base);
        m_pages->addWidget(m_vues[indexOf(base)]);
    }
    m_pages->setCurrentIndex(indexOf(m_fiche.pageActive()));
    setWindowTitle(m_fiche.titre());

    connect(&m_fiche, &TFiche::titreChange, this, &QWidget::setWindowTitle);
    connect(&m_fiche, &TFiche::pageActiveChange, this,
            [this](Base page) { m_pages->setCurrentIndex(indexOf(page)); });
    // The keys must reach the window before any field makes use of them.
    qApp->installEventFilter(this);
}

void TFicheForm::installePage(Base base, TPageVue* vue) {
    TPageVue*& place = m_vues[indexOf(base)];
    m_pages->insertWidget(indexOf(base), vue);
    m_pages->removeWidget(place);
    delete place;
    place = vue;
    m_pages->setCurrentIndex(indexOf(m_fiche.pageActive()));
}

TPageVue* TFicheForm::vueVisible() const {
    return vue(m_fiche.pageActive());
}

template <typename Operation> void TFicheForm::agit(Operation&& operation) {
    const bool fait = execute(operation);
    if (fait)
        vueVisible()->focusChamp();
}

void TFicheForm::Montre(Base base) {
    agit([&] { m_fiche.AffichePage(base); });
}

void TFicheForm::Premier() {
    agit([&] { m_fiche.Premier(); });
}

void TFicheForm::Precedent() {
    agit([&] { m_fiche.Precedent(); });
}

void TFicheForm::Suivant() {
    agit([&] { m_fiche.Suivant(); });
}

void TFicheForm::Dernier() {
    agit([&] { m_fiche.Dernier(); });
}

void TFicheForm::Ajout() {
    agit([&] { m_fiche.Ajout(); });
}

void TFicheForm::Supprime() {
    agit([&] { m_fiche.Supprime(); });
}

void TFicheForm::Copier() {
    execute([&] { m_fiche.Copier(); });
}

void TFicheForm::Coller() {
    agit([&] { m_fiche.Coller(); });
}

void TFicheForm::Liste() {
    execute([&] {
        const Base base = m_fiche.pageActive();
        if (m_fiche.pageDocument(base) || base == Base::Commandes) {
            // The document on screen is stored first, so that the list shows it.
            m_fiche.EcritPage(base);
            const std::optional<int> cle = Questions::instance().document(base, m_fiche.base(base));
            if (!cle)
                return;
            m_fiche.AfficheChoix(*cle);
        } else if (m_fiche.listeDisponible()) {
            m_fiche.AfficheChoix(Questions::instance().fiche(base, m_fiche.base(base)));
        } else {
            return;
        }
        vueVisible()->focusChamp();
    });
}

void TFicheForm::NouveauDocument(Base base) {
    agit([&] { m_fiche.NouvDocument(base); });
}

void TFicheForm::ChercheDocument(Base base) {
    const TDescriptionDocument* description = descriptionDocument(base);
    TPageDocument* page = m_fiche.pageDocument(base);
    if (!description || !page)
        return;
    const std::optional<QString> numero = Questions::instance().saisie(
        description->titreRecherche, description->questionRecherche, QString());
    if (numero)
        agit([&] { page->Cherche(*numero); });
}

void TFicheForm::Arrivee(const TMontantsLoyer& montants) {
    agit([&] { m_fiche.Arrivee(montants); });
}

void TFicheForm::SupLigne1() {
    vueVisible()->SupLigne1();
}

void TFicheForm::NouvelleCommande() {
    agit([&] { m_fiche.NouvCmd(); });
}

void TFicheForm::ChercheCommande() {
    TPageCommande* page = m_fiche.pageCommande();
    const std::optional<QString> numero = Questions::instance().saisie(
        QStringLiteral("Chercher Commande"), QStringLiteral("Numéro de commande"), QString());
    if (numero)
        agit([&] { page->Cherche(*numero); });
}

bool TFicheForm::touche(int touche, Qt::KeyboardModifiers modificateurs, bool executer) {
    const Qt::KeyboardModifiers sansPave = modificateurs & ~Qt::KeypadModifier;
    void (TFicheForm::*operation)() = nullptr;
    switch (touche) {
    case Qt::Key_PageDown:
        operation = &TFicheForm::Suivant;
        break;
    case Qt::Key_PageUp:
        operation = &TFicheForm::Precedent;
        break;
    case Qt::Key_Home:
        if (sansPave == Qt::ControlModifier)
            operation = &TFicheForm::Premier;
        break;
    case Qt::Key_End:
        if (sansPave == Qt::ControlModifier)
            operation = &TFicheForm::Dernier;
        break;
    case Qt::Key_F2:
        operation = &TFicheForm::Liste;
        break;
    }
    if (operation && executer)
        (this->*operation)();
    return operation != nullptr;
}

bool TFicheForm::eventFilter(QObject* objet, QEvent* evenement) {
    const bool appui = evenement->type() == QEvent::KeyPress;
    if (!appui && evenement->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(objet);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    auto* clavier = static_cast<QKeyEvent*>(evenement);
    if (!touche(clavier->key(), clavier->modifiers(), appui))
        return false;
    // Claiming the shortcut override keeps the menus' shortcuts from taking the key first.
    clavier->accept();
    return true;
}
