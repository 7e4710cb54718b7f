#include "app/page_setup_dialog.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <cmath>
#include <exception>
#include <new>

#include "app/message_service.h"

namespace nuvra::app {
namespace {

std::int32_t toUnits(double mm, double mmPerUnit) {
    return static_cast<std::int32_t>(std::lround(mm / mmPerUnit));
}

std::int16_t tenthsOfMm(double mm) {
    return static_cast<std::int16_t>(std::lround(mm * 10));
}

}  // namespace

double CPageSetupDialog::millimetresPerUnit(std::int32_t flags) {
    if (flags & PageSetupFlags::InThousandthsOfInches) return 0.0254;
    return 0.01;
}

void CPageSetupDialog::applyTo(QPrinter& printer, std::int32_t flags) const {
    if (!(flags & PageSetupFlags::Margins)) return;
    const double k = millimetresPerUnit(flags);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(QMarginsF(MarginLeft * k, MarginTop * k, MarginRight * k, MarginBottom * k));
    printer.setPageLayout(layout);
}

void CPageSetupDialog::readBack(const QPrinter& printer, std::int32_t flags) {
    const double k = millimetresPerUnit(flags);
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    MarginLeft = toUnits(m.left(), k);
    MarginTop = toUnits(m.top(), k);
    MarginRight = toUnits(m.right(), k);
    MarginBottom = toUnits(m.bottom(), k);

    Orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    PaperWidth = tenthsOfMm(paper.width());
    PaperLength = tenthsOfMm(paper.height());
    PrintScale = 100;
    Color = printer.colorMode() == QPrinter::Color;
    Collate = printer.collateCopies();
    switch (printer.duplex()) {
        case QPrinter::DuplexLongSide:
            Duplex = 2;
            break;
        case QPrinter::DuplexShortSide:
            Duplex = 3;
            break;
        default:
            Duplex = 1;
            break;
    }
    YResolution = static_cast<std::int16_t>(printer.resolution());
    PrintQuality = YResolution;
    TTOption = 0;
    deviceName_ = printer.printerName().left(32);
}

bool CPageSetupDialog::Show() {
    const std::int32_t flags = Flags & PageSetupFlags::PassedMask;
    try {
        QPrinter printer(QPrinter::HighResolution);
        applyTo(printer, flags);
        QPageSetupDialog dialog(&printer, hWndParent);
        if (dialog.exec() != QDialog::Accepted) return false;
        const std::int32_t keptLeft = MarginLeft, keptTop = MarginTop;
        const std::int32_t keptRight = MarginRight, keptBottom = MarginBottom;
        readBack(printer, flags);
        if (flags & PageSetupFlags::DisableMargins) {  // margins were not the user's to change
            MarginLeft = keptLeft;
            MarginTop = keptTop;
            MarginRight = keptRight;
            MarginBottom = keptBottom;
        }
        return true;
    } catch (const std::exception& e) {
        // 7: out of memory, 5: any other failure (the run-time error numbers of old).
        const int number = dynamic_cast<const std::bad_alloc*>(&e) ? 7 : 5;
        if (messages)
            messages->showMessage(hWndParent,
                                  QStringLiteral("Error: %1. %2").arg(number).arg(e.what()),
                                  QStringLiteral("Show"), MsgIcon::None, MsgButtons::Ok);
        return false;
    }
}

}  // namespace nuvra::app
