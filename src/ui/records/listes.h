#pragma once

#include "core/store/bases.h"

#include <QStringList>
#include <optional>

class QWidget;
class TListeBase;

// The pick lists the record window opens. Each reads its base and never changes it.

// The record table of the tenants, suppliers or lots: the key picked, -1 for none.
int choisitFiche(Base base, const TListeBase& liste, QWidget* parent);
// The code list of the tenants or suppliers: the number picked, empty for none.
QString choisitCode(Base base, const TListeBase& liste, QWidget* parent);
// The list of a document base: the key picked, none when nothing was.
std::optional<int> choisitDocument(Base base, const TListeBase& liste, QWidget* parent);
// The type of a lot, upper-cased; none when cancelled.
std::optional<QString> choisitTypeLot(const QStringList& types, const QString& courant,
                                      QWidget* parent);
