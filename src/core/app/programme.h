#pragma once

#include <QList>
#include <QString>

// What the program says of itself: `tarvinel --version` and the About box.
namespace Programme {

// "1.0".
QString version();
// The licence under which the program is given, in one line.
QString licence();
// The text of `tarvinel --version`: name and version, purpose, licence.
QString texteVersion();

// One line of the About box below its name: a label and its value.
struct TLigne {
    QString libelle;
    QString valeur;
};
// Under the name, version and purpose: the licence, the dossier open (or that none is) and
// where the settings files are kept.
QList<TLigne> aPropos(const QString& dossier, const QString& repertoireReglages);

} // namespace Programme
