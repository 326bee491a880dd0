#pragma once

#include <QString>

// The main file of a dossier is recognised by its last four characters, whatever their case.
bool estFichierLoc(const QString& path);

// The path with the extension of its file name replaced by ".loc"; a name without extension
// gets ".loc" added.
QString avecExtensionLoc(const QString& path);
