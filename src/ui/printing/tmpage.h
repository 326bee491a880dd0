#pragma once

#include "core/app/impressions.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;

// "Mise en page": the paper of the documents, the orientation of envelopes and the envelope
// guide. Closing it otherwise than with "OK" gives back -1 as orientation.
class TMPage : public QDialog {
    Q_OBJECT

public:
    explicit TMPage(QWidget* parent = nullptr);

    void Init(const TMiseEnPage& miseEnPage);
    TMiseEnPage Result() const;

private:
    QButtonGroup* m_papier;
    QButtonGroup* m_orientation;
    QCheckBox* m_guide;
};
