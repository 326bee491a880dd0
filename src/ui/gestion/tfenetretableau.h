#pragma once

#include "core/gestion/ttableau.h"

#include <QDialog>

class QLabel;
class QTableView;

// A grid window over a table: sortable by its column titles, printed with the grid printing
// ("Imprimer") and written as tab-separated text ("Exporter...").
class TFenetreTableau : public QDialog {
    Q_OBJECT

public:
    // `nomExport` is the file name offered by "Exporter...".
    TFenetreTableau(const QString& titre, const TTableau& tableau, const QString& nomExport,
                    bool triable, QWidget* parent = nullptr);

    QTableView* vue() const { return m_vue; }
    // A text above the grid (what the rows add up to); none until given.
    void setEntete(const QString& texte);
    QLabel* entete() const { return m_entete; }
    TModeleTableau& modele() { return m_modele; }

    void Imprime();
    void Exporte();

private:
    TModeleTableau m_modele;
    QLabel* m_entete;
    QTableView* m_vue;
    QString m_nomExport;
};
