#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
struct TSaisieDef;

// One of the small entry dialogs (TRNom, TRNum, TRTel, TRLot, TRNumL, TFcp, TVille): a
// labelled edit, "Annuler" and "OK". Enter in the edit accepts; a rejected key is swallowed.
class TDialogueSaisie : public QDialog {
    Q_OBJECT

public:
    explicit TDialogueSaisie(const TSaisieDef& def, QWidget* parent = nullptr);

    void Init(const QString& texte);
    // The answer, or nothing when the dialog was not closed by "OK" or Enter.
    std::optional<QString> Result() const;

    QLineEdit* edit() const { return m_edit; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TSaisieDef& m_def;
    QLineEdit* m_edit;
    bool m_ok = false;
};
