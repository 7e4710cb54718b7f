#include "app/dialogs/numbering_preview.h"

namespace nuvra::app {
namespace {

/// Level texts of the method. The samples use the half-width "-" and "." of the report,
/// whatever the option captions show.
std::array<QString, 4> levelTexts(int method) {
    const QString body = QStringLiteral("○○○");
    switch (method) {
        case 1:
            return {QStringLiteral("(章)") + body, QStringLiteral("(節)") + body,
                    QStringLiteral("(項)") + body, QStringLiteral("(No)") + body};
        case 2:
            return {QStringLiteral("(章)") + body, QStringLiteral("(章)-(節)") + body,
                    QStringLiteral("(章)-(節)-(項)") + body, QStringLiteral("(No)") + body};
        case 3:
            return {QStringLiteral("(章)") + body, QStringLiteral("(章).(節)") + body,
                    QStringLiteral("(章).(節).(項)") + body, QStringLiteral("(No)") + body};
        default:
            return {body, body, body, body};
    }
}

}  // namespace

QStringList marginPreview(int method, const std::array<int, 4>& margins) {
    const std::array<QString, 4> L = levelTexts(method);
    auto line = [&](int level) {
        const int blanks = margins[static_cast<std::size_t>(level)];
        return QString(blanks > 0 ? blanks : 0, QLatin1Char(' ')) +
               L[static_cast<std::size_t>(level)];
    };
    return {line(0), line(1), line(2), line(3), QString(), line(0), line(1)};
}

QStringList methodPreview(int method) {
    return marginPreview(method, {0, 2, 4, 8});
}

}  // namespace nuvra::app
