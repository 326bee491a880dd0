#pragma once

#include <QString>

class RatioReporter;

// A bank statement of 5 000 lines, read from its CSV file and matched with the tenants of the
// full dossier `loc`, written into `work`.
void enregistreReleve(const QString& loc, const QString& work);
// How it compares with one load of the tenant base.
void resumeReleve(const RatioReporter& reporter);
