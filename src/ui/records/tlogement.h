#pragma once

#include <QDialog>
#include <optional>

class QComboBox;

// Asks the type of a lot: a combo box of the known types, where another can be typed,
// "Annuler" and "OK".
class TLogement : public QDialog {
    Q_OBJECT

public:
    explicit TLogement(QWidget* parent = nullptr);

    void Init(const QStringList& types, const QString& courant);
    // The type upper-cased, none when the dialog was not closed by "OK" or Enter.
    std::optional<QString> Result() const;

private:
    QComboBox* m_types;
};
