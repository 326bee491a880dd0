#pragma once

class QString;
class QWidget;
class TFiche;

// The desk tools that the menus open, each shown modally and destroyed once closed.

// "Traitement de texte": letters headed with the owner's first four lines.
void TrTexte(const TFiche& fiche, QWidget* parent);
// "Messages": the message pad of the dossier whose main file is `dossier`.
void MontreMessages(const QString& dossier, QWidget* parent);
// "Bloc notes": the notepad of the start-up directory.
void MontreBlocNotes(const QString& repertoire, QWidget* parent);
