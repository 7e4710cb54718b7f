#include "app/calculation_failure.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <vector>

#include "calc/loads/result_json.h"
#include "common/number_format.h"

namespace nuvra::app {
namespace {

struct Step {
    const char* name;
    std::vector<const char*> prefixes;  ///< slot names or the beginnings of slot names
};

// The run's steps in their order, each with the slots it fills.
const Step kSteps[] = {
    {"外力の計算", {"objWeight", "objYouatsuryoku", "objQqw", "objKh", "objSpa", "objPressure"}},
    {"浮上に対する検討", {"objUkiagari"}},
    {"基礎地盤支持力の検討", {"objNcNrNq", "objQa", "objQmax"}},
    {"たて壁の設計", {"Tate"}},
    {"底版の設計", {"Teiban"}},
    {"フーチングの設計", {"Footing"}},
    {"たて壁鉄筋の段落としの検討", {"Dan"}},
};

const char* const kCaseNames[3] = {"ケースⅠ", "ケースⅡ", "ケースⅢ"};

bool belongsTo(const Step& step, const QString& slot) {
    for (const char* p : step.prefixes)
        if (slot.startsWith(QLatin1String(p))) return true;
    return false;
}

int errorOf(const QJsonValue& v) {
    return v.isObject() ? v.toObject().value(QLatin1String("Error")).toInt() : 0;
}

/// The first object of a slot whose Error is set: its name ("objSpa(ケースⅡ)") and the
/// error; no name when there is none. A section check's Error does not fail a run (its
/// stresses show as failing instead), so the section-check slots are passed over.
QString firstError(const QString& slot, const QJsonValue& value, int& error) {
    if (slot.endsWith(QLatin1String("Rc"))) return QString();
    if ((error = errorOf(value)) != 0) return slot;
    if (!value.isArray()) return QString();
    const QJsonArray items = value.toArray();
    const bool perCase = slot.startsWith(QLatin1String("obj")) && items.size() == 3;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if ((error = errorOf(items[i])) == 0) continue;
        const QString where = perCase ? QString::fromUtf8(kCaseNames[i]) : QString::number(i + 1);
        return slot + QLatin1Char('(') + where + QLatin1Char(')');
    }
    return QString();
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QString calculationErrorText(int error) {
    switch (error) {
        case 5:
            return QStringLiteral("計算できない値（負の数の平方根など）");
        case 6:
            return QStringLiteral("桁あふれ");
        case 11:
            return QStringLiteral("0 による除算");
        default:
            return QStringLiteral("計算エラー");
    }
}

QStringList failedCalculationSteps(const calc::ResultStore& store) {
    const QByteArray json = QByteArray::fromStdString(calc::ResultJson(store, false));
    const QJsonObject doc = QJsonDocument::fromJson(json).object();
    // The slots in the order the run fills them, which is the order of the document (a
    // JSON object read back sorts its keys).
    std::vector<std::pair<qsizetype, QString>> ordered;
    for (const QString& key : doc.keys())
        ordered.emplace_back(json.indexOf('"' + key.toUtf8() + "\":"), key);
    std::sort(ordered.begin(), ordered.end());
    const bool footings = doc.value(QLatin1String("blnFooting")).toBool();
    QStringList lines;
    for (const Step& step : kSteps) {
        if (!footings && belongsTo(step, QStringLiteral("Footing"))) continue;
        QString failure;
        bool missing = false;
        for (const auto& [position, slot] : ordered) {
            if (!failure.isEmpty()) break;
            if (!belongsTo(step, slot)) continue;
            const QJsonValue value = doc.value(slot);
            if (value.isNull()) {
                missing = true;
                continue;
            }
            int error = 0;
            const QString where = firstError(slot, value, error);
            if (!where.isEmpty())
                failure = where + QStringLiteral(" で ") + calculationErrorText(error) +
                          QStringLiteral("（ｴﾗｰｺｰﾄﾞ ： ") + q(formatPicture(error, "##,##0")) +
                          QStringLiteral("）");
        }
        if (failure.isEmpty() && missing) failure = QStringLiteral("計算を完了できませんでした");
        if (!failure.isEmpty())
            lines << QStringLiteral("･") + QString::fromUtf8(step.name) + QStringLiteral("：") +
                         failure;
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
