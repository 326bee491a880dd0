#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The four statistics: receipts by month, by tenant, by lot; orders by supplier.
enum class SorteStats { Mois, Locataires, Lots, Fournisseurs };

// What a statistics window shows for its kind: caption, width, the grid's columns (column 0
// carries the row number), the amount column and its Rset width, and the title its print job
// takes before the date.
struct TDescriptionStats {
    SorteStats sorte;
    QString classe; // the window's class name: TStatsV, TStatsC, TStatsL, TStatsF
    QString titre;
    int largeur = 0;
    int hauteur = 343;
    QList<int> largeurs;
    QStringList entetes;
    int colonneMontant = 0;
    int alignement = 0;
    QString titreImpression;
    // Every kind but the months lists its lines in text order; the months come as met.
    bool trie = true;
    // The tenants and the suppliers show a name beside the key.
    bool avecNom = true;
};

const TDescriptionStats& descriptionStats(SorteStats sorte);
