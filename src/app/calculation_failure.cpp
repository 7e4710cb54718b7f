#include "app/calculation_failure.h"

#include "calc/run/run_faults.h"

namespace nuvra::app {
namespace {

// A message box stays readable: the first faults name the cause, the rest are counted.
constexpr qsizetype kMaxLines = 10;

}  // namespace

QStringList failedCalculationSteps(const calc::ResultStore& store) {
    QStringList lines;
    for (const calc::RunFault& f : store.faults) {
        if (lines.size() == kMaxLines) {
            lines << QStringLiteral("･ほか %1 件").arg(store.faults.size() - kMaxLines);
            break;
        }
        lines << QStringLiteral("･") + QString::fromStdString(calc::RunFaultText(f));
    }
    return lines;
}

QString calculationFailureMessage(const calc::ResultStore& store, const QString& consequence) {
    QStringList lines = failedCalculationSteps(store);
    if (lines.isEmpty()) lines << QStringLiteral("･計算を完了できませんでした");
    return QStringLiteral("計算の途中でエラーが発生したため、") + consequence +
           QStringLiteral("。\n\n") + lines.join(QLatin1Char('\n'));
}

}  // namespace nuvra::app
