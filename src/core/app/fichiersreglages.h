#pragma once

#include "core/app/treglages.h"
#include "core/store/selections.h"

#include <QString>

// The three settings files of the start-up directory: "Tarvinel.ini" (18 lines of general
// settings and the last dossier), "Tarvinel.soc" (the owner lines) and "Tarvinel.cbx" (the
// value lists under their section headers). Windows-1252 text, CR LF line ends; file names
// are matched without regard to letter case.
//
// Reading never fails on content: a line that is missing or does not convert leaves its
// value at the default (an empty text, 0), so a damaged file still lets the program start,
// and the next save writes a clean one. A missing file changes nothing. A file that exists
// but cannot be read throws UserError with nothing changed; so does a write that fails.
namespace FichiersReglages {

inline const QString NomIni = QStringLiteral("Tarvinel.ini");
inline const QString NomSoc = QStringLiteral("Tarvinel.soc");
inline const QString NomCbx = QStringLiteral("Tarvinel.cbx");

// Whether the settings file `nom` is in `repertoire`, its letter case aside.
bool existe(const QString& repertoire, const QString& nom);

// Reads the 18 lines; the dossier path is forgotten unless the auto-open setting is 1.
void ChargeIni(const QString& repertoire, QString& chemin, TReglages& reglages,
               TSelections& selections);
// Writes the 18 lines. A value that the file cannot hold (the dossier path, an account number)
// is written empty, the others as they are, and the warning to give the user is returned (an
// empty text otherwise).
QString SauveIni(const QString& repertoire, const QString& chemin, const TReglages& reglages,
                 const TSelections& selections);

// Line k of the file is owner line k; lines after the eighth are ignored.
void ChargeSoc(const QString& repertoire, LignesProprio& lignes);
void SauveSoc(const QString& repertoire, const LignesProprio& lignes);

// The three lists are emptied, then each line goes to the list of the last section header
// above it; lines before the first header are ignored.
void ChargeCombo(const QString& repertoire, TReglages& reglages);
void SauveCombo(const QString& repertoire, const TReglages& reglages);

// Why a text typed by the user cannot be stored on one line of a settings file (a line
// break, a character outside Windows-1252), or an empty text when it can.
QString refusLigne(const QString& texte, const QString& nomFichier);
// The same for an item of a value list, which may not be a section header either.
QString refusValeurListe(const QString& texte);

} // namespace FichiersReglages
