#pragma once

#include "core/banque/modelereleve.h"

#include <QDialog>
#include <QSortFilterProxyModel>
#include <QStringList>

class QLabel;
class QTableView;
class TListeBase;

// "Relevé bancaire": the review of a statement's lines before any receipt is made. The grid
// sorts by any column; a line's tenant is changed through the tenants' code list ("Locataire..."
// or a double-click on the tenant), its month through the list of months; each line is ticked
// or not, with the totals of what will be receipted. "Valider" accepts it.
class TDialogueReleve : public QDialog {
    Q_OBJECT

public:
    TDialogueReleve(TRapprochement& rapprochement, const QStringList& mois,
                    const TListeBase& locataires, QWidget* parent = nullptr);

    QTableView* vue() const { return m_vue; }
    // Changes the tenant of the line at `ligne` of the grid as it is sorted, through the code
    // list.
    void choisitLocataire(int ligne);

private:
    TModeleReleve m_modele;
    QSortFilterProxyModel m_tri;
    const TListeBase& m_locataires;
    QTableView* m_vue;
    QLabel* m_totaux;
};
