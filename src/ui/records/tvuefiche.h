#pragma once

#include "ui/records/tpagevue.h"

#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class TPageEnregistrement;

// The widgets of a master-record page, built from its declared fields and bound to its page
// model: a user edit goes to the model, a read of the model refreshes the widgets.
class TVueFiche : public TPageVue {
    Q_OBJECT

public:
    explicit TVueFiche(TPageEnregistrement& page, QWidget* parent = nullptr);

    TPageEnregistrement& page() { return m_page; }
    QWidget* widgetChamp(int ligne) const { return m_widgets.value(ligne); }
    QComboBox* choix(int ligne) const;
    QTableView* grille() const { return m_grille; }
    QPlainTextEdit* memo() const { return m_memo; }
    // Puts the focus on the page's focus field.
    void focusChamp() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* creeChamp(int ligne);
    QWidget* creePanneauHistorique();
    void affiche(int ligne);
    void afficheTout();
    void afficheListe(int ligne);
    void afficheSaisieHistorique();
    // A user edit of a field, handed to the page.
    void saisit(int ligne, const QString& texte);

    TPageEnregistrement& m_page;
    QHash<int, QWidget*> m_widgets;
    QHash<QObject*, int> m_lignes;
    QPlainTextEdit* m_memo = nullptr;
    QTableView* m_grille = nullptr;
    QDateEdit* m_dateHistorique = nullptr;
    QLineEdit* m_libelleHistorique = nullptr;
    QLineEdit* m_montantHistorique = nullptr;
    QList<QList<QLabel*>> m_labelsParColonne;
    bool m_miseAJour = false;
};
