// What the user is told when a calculation run fails: the faults the run listed, each
// naming the step or calculation object and its error.
#pragma once

#include <QString>
#include <QStringList>

#include "calc/run/result_store.h"

namespace nuvra::app {

/// One line per fault of the run, in its order ("･" + the fault's text); after ten
/// faults one line counts the rest.
QStringList failedCalculationSteps(const calc::ResultStore& store);

/// The whole message: what could not be done (`consequence`, e.g. "結果を表示できません"),
/// then the lines of failedCalculationSteps.
QString calculationFailureMessage(const calc::ResultStore& store, const QString& consequence);

}  // namespace nuvra::app
