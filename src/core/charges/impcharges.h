#pragma once

#include "core/printing/entete.h"
#include "core/printing/tcanevas.h"

#include <QDate>
#include <QList>

struct TRegularisation;
struct TSoldeToutCompte;

// The two documents of the charges and of a departure, on the owner's header, dated `jour`.

// "Décompte de charges": the tenant, the lot, the period, each category of the real charges
// with its amount, their total, the tenant's share, the provisions received, the balance and
// the supporting documents' sentence. One tenant a page.
void ImprimeDecomptes(TCanevas& canevas, const QList<TRegularisation>& decomptes,
                      const TProprietaire& proprietaire, const QDate& jour);
TTravailImpression travailDecomptes(const QList<TRegularisation>& decomptes,
                                    const TProprietaire& proprietaire, const QDate& jour);

// "Solde de tout compte": the deposit received, the deductions, the unpaid rents, the charges
// balance, the amount to return or to claim and the legal deadline to return the deposit.
void ImprimeSolde(TCanevas& canevas, const TSoldeToutCompte& solde,
                  const TProprietaire& proprietaire, const QDate& jour);
TTravailImpression travailSolde(const TSoldeToutCompte& solde, const TProprietaire& proprietaire,
                                const QDate& jour);
