#pragma once

#include <QDialog>

class QLineEdit;
class QTableView;
class TFiche;
class TRevisionLoyers;

// "Révision des loyers...": the current tenants with their revised rent; the landlord may give
// the new index for all, ticks the rows and applies them to the cards.
class TDialogueRevision : public QDialog {
    Q_OBJECT

public:
    TDialogueRevision(TFiche& fiche, TRevisionLoyers& revision, QWidget* parent = nullptr);

    QLineEdit* indice() const { return m_indice; }
    void Applique();

private:
    TFiche& m_fiche;
    TRevisionLoyers& m_revision;
    QLineEdit* m_indice;
    QTableView* m_vue;
};
