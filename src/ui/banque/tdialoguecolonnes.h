#pragma once

#include "core/banque/relevecsv.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTableWidget;

// "Colonnes du relevé": which column of a bank's CSV file is what, over its first lines. The
// separator and the count of header lines show the lines again, cut into their columns; "OK"
// takes a mapping that names a date, a label and an amount (one signed column, or "Débit" and
// "Crédit").
class TDialogueColonnes : public QDialog {
    Q_OBJECT

public:
    enum Role { Date, Valeur, Libelle, Montant, Debit, Credit, NbRoles };

    TDialogueColonnes(const QStringList& lignes, const TFormatCsv& format,
                      QWidget* parent = nullptr);

    TFormatCsv Result() const;
    QComboBox* colonne(Role role) const { return m_colonnes[role]; }

    void accept() override;

private:
    void montreLignes();

    QStringList m_lignes;
    QComboBox* m_separateur;
    QSpinBox* m_entete;
    QComboBox* m_date;
    QCheckBox* m_virgule;
    QList<QComboBox*> m_colonnes;
    QTableWidget* m_apercu;
};
