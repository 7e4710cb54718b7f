// CPageSetupDialog: the page-setup dialog as plain properties, Show and results. The
// option bits keep the values of the common page-setup dialog; margins are in the unit
// the bits choose (hundredths of a millimetre under PSD_INHUNDREDTHSOFMILLIMETERS).
#pragma once

#include <QString>
#include <cstdint>

class QPrinter;
class QWidget;

namespace nuvra::app {

class MessageService;

namespace PageSetupFlags {
inline constexpr std::int32_t MinMargins = 0x1;
inline constexpr std::int32_t Margins = 0x2;
inline constexpr std::int32_t InThousandthsOfInches = 0x4;
inline constexpr std::int32_t InHundredthsOfMillimeters = 0x8;
inline constexpr std::int32_t DisableMargins = 0x10;
inline constexpr std::int32_t DisablePrinter = 0x20;
/// Hook bits and everything above 16 bits are never passed on.
inline constexpr std::int32_t PassedMask = 0x5FFF;
/// The main window's page setup: margins given, hundredths of a millimetre, no
/// printer button (42).
inline constexpr std::int32_t MarginsInHundredthsMm =
    Margins | InHundredthsOfMillimeters | DisablePrinter;
}  // namespace PageSetupFlags

class CPageSetupDialog {
  public:
    std::int32_t Flags = 0;
    QWidget* hWndParent = nullptr;
    std::int32_t MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
    std::int32_t MarginMinLeft = 0, MarginMinTop = 0, MarginMinRight = 0, MarginMinBottom = 0;

    // Device settings read back from a confirmed dialog (paper sizes in tenths of a
    // millimetre, orientation 1 portrait / 2 landscape, as the printer settings store them).
    std::int16_t Copies = 0;
    std::int16_t Orientation = 0;
    std::int16_t PaperLength = 0;
    std::int16_t PaperWidth = 0;
    std::int16_t PrintScale = 0;
    bool Color = false;
    std::int16_t Duplex = 0;
    bool Collate = false;
    std::int16_t YResolution = 0;
    std::int16_t TTOption = 0;
    std::int16_t PrintQuality = 0;
    const QString& DeviceName() const { return deviceName_; }

    /// Where an unexpected failure inside Show is reported ("Error: ..." titled "Show").
    MessageService* messages = nullptr;

    /// Shows the dialog. True when confirmed: the margins hold the choice and the device
    /// settings are read back (Copies keeps its value). False when cancelled: nothing
    /// changes.
    bool Show();

    /// The margin unit of Flags in millimetres per unit (0.01 or 0.0254).
    static double millimetresPerUnit(std::int32_t flags);

    /// Copies the margins into the printer's page layout (what the dialog starts from).
    void applyTo(QPrinter& printer, std::int32_t flags) const;
    /// Copies the margins and device settings back from a confirmed printer.
    void readBack(const QPrinter& printer, std::int32_t flags);

  private:
    QString deviceName_;
};

}  // namespace nuvra::app
