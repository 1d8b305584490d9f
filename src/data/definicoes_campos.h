#pragma once

#include "field_def.h"

#include <QList>

// The typed fields that each dataset of the data modules declares.
namespace campos {

QList<ds::FieldDef> componentes();
QList<ds::FieldDef> compNome();
QList<ds::FieldDef> itensAss();
QList<ds::FieldDef> formaFar();
QList<ds::FieldDef> ensaios();
QList<ds::FieldDef> usuarios();
QList<ds::FieldDef> estacoes();
QList<ds::FieldDef> tutorial();
QList<ds::FieldDef> fabric();
QList<ds::FieldDef> cotDolar();

}  // namespace campos
