#pragma once

#include "core/store/bases.h"

#include <QList>
#include <QString>

// What opening a dossier does to each of its bases and extra files: the blocks its file holds,
// the blocks that opening rewrites to make it sound again, and the copies of a key it drops.
struct TVerificationBase {
    QString nom;     // the base's or the extra file's name in the report
    QString fichier; // empty when the dossier has no such file
    int trouves = 0;
    int repares = 0;
    int doublons = 0;
    bool saine() const { return repares == 0 && doublons == 0; }
};

struct TVerification {
    QString principal;
    QList<TVerificationBase> bases;
    // A save that stopped part-way leaves its journal; opening finishes or undoes it.
    bool enregistrementInterrompu = false;
    bool saine() const;
};

// The main file's path, its name resolved without regard to letter case. Throws UserError when
// it is not a ".loc" file or does not exist.
QString cheminDossierExistant(const QString& principal);
// Reads the files of the dossier as opening does, without writing anything. Throws
// UserError when the main file is missing, not a ".loc" file or cannot be opened.
TVerification VerifieDossier(const QString& principal);
// Opens the dossier, which repairs it and finishes a save that stopped part-way, and saves it
// back as one set when anything changed; the files replaced are kept as a dated copy. True
// when it finished such a save or saved.
bool ReparerDossier(const QString& principal);
// The report: one line a file of the dossier, then the verdict.
QStringList rapportVerification(const TVerification& verification, bool repare);
// The name of a base in the reports.
QString nomBase(Base base);
// The name of the file of rank `fichier` among the dossier's files in the reports.
QString nomFichier(int fichier);
