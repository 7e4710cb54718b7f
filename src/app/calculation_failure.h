// What the user is told when a calculation run fails: the run itself reports only that
// some step failed, so the store it leaves is read for where it stopped. A step that
// stopped on an arithmetic fault left that fault in the Error of one of its objects; a
// step that stopped outside its objects left its later slots unassigned.
#pragma once

#include <QString>
#include <QStringList>

#include "calc/loads/result_store.h"

namespace nuvra::app {

/// One line per failed step, in the order of the run: "･" + the step's name + what
/// stopped it (the object and its error number and meaning, or that its results are
/// missing).
QStringList failedCalculationSteps(const calc::ResultStore& store);

/// The whole message: what could not be done (`consequence`, e.g. "結果を表示できません"),
/// then the lines of failedCalculationSteps.
QString calculationFailureMessage(const calc::ResultStore& store, const QString& consequence);

/// Japanese meaning of a calculation error number (5, 6, 11).
QString calculationErrorText(int error);

}  // namespace nuvra::app
