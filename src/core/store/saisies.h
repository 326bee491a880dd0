#pragma once

#include <QChar>
#include <QString>

// The small entry dialogs of the searches and selections: a caption, a labelled edit that
// may accept only some characters, and a result that may be upper-cased.
struct TSaisieDef {
    QString titre;
    QString libelle;
    QString caracteres; // the characters accepted besides backspace and Tab; empty: any
    bool majuscules = false;

    // Whether a typed character goes into the edit.
    bool accepte(QChar c) const;
    // The dialog's answer for the text typed.
    QString resultat(const QString& texte) const;
};

namespace Saisies {

const TSaisieDef& TRNom();
const TSaisieDef& TRNum();
const TSaisieDef& TRTel();
const TSaisieDef& TRLot();
const TSaisieDef& TRNumL();
const TSaisieDef& TFcp();
const TSaisieDef& TVille();
// The tenant number of the receipt and notice selections.
const TSaisieDef& SelQuittances();
const TSaisieDef& SelAvis();

} // namespace Saisies
