#pragma once

#include <QString>

class RatioReporter;

// The four statistics and the journal over a dossier of 999 and of 9 999 receipts and orders,
// and a load of the receipt base of the larger one, to compare them with.
void enregistreStatistiques(const QString& loc999, const QString& loc9999);
// How the larger run compares with the smaller one and with a load of the receipt base.
void resumeStatistiques(const RatioReporter& reporter);
