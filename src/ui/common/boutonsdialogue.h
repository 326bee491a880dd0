#pragma once

class QDialog;
class QHBoxLayout;

// The "Annuler" and "OK" buttons at the right of a dialog's last row, "OK" by default: OK
// accepts the dialog, Annuler rejects it.
QHBoxLayout* boutonsAnnulerOk(QDialog* dialogue);
