#pragma once

#include <QDialog>
#include <QStringList>

class QButtonGroup;

// The sort dialog (TTri, TTri3): the group "Trier par" with one choice per criterion, none
// chosen when it opens, and the buttons "Anuler" and "OK".
class TDialogueTri : public QDialog {
    Q_OBJECT

public:
    explicit TDialogueTri(const QStringList& criteres, QWidget* parent = nullptr);

    // The rank of the criterion chosen when the dialog was closed by "OK"; -1 when it was
    // cancelled or when no criterion was chosen.
    int Result() const;

private:
    QButtonGroup* m_groupe;
    bool m_ok = false;
};
