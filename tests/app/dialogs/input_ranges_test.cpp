// The ranges that the command line checks a series of designs against are the ranges of
// the dialogs' fields: same limits, same pictures, same message.
#include <QtTest>
#include <map>
#include <memory>

#include "app/dialogs/cover_dialog.h"
#include "app/dialogs/design_conditions_dialog.h"
#include "app/dialogs/embankment_dialog.h"
#include "app/dialogs/foundation_dialog.h"
#include "app/dialogs/materials_dialog.h"
#include "design/input_ranges.h"
#include "dialog_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

class InputRangesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyFieldHasTheRangeOfItsDialog();
};

void InputRangesTest::everyFieldHasTheRangeOfItsDialog() {
    AppFixture f;
    DesignData d;
    std::map<QString, std::unique_ptr<InputDialog>> dialogs;
    dialogs["Jyoken"] = std::make_unique<frmInpJyoken>(f.context, d);
    dialogs["Morido"] = std::make_unique<frmInpMorido>(f.context, d);
    dialogs["Kiso"] = std::make_unique<frmInpKiso>(f.context, d);
    dialogs["Kaburi"] = std::make_unique<frmInpKaburi>(f.context, d);
    dialogs["Zairyo"] = std::make_unique<frmInpZairyo>(f.context, d);

    int checked = 0;
    for (const InputField& in : InputFields()) {
        InputDialog& dlg = *dialogs.at(QString::fromUtf8(in.record));
        // The dialogs name their fields "num" + the field ("numHwi" and "numX" aside).
        QString name = QStringLiteral("num") + QString::fromUtf8(in.name);
        if (name == QStringLiteral("numHWi")) name = QStringLiteral("numHwi");
        if (name == QStringLiteral("numx")) name = QStringLiteral("numX");
        auto* field = dlg.findChild<NumericField*>(name);
        QVERIFY2(field, qPrintable(name));
        QCOMPARE(field->minimum(), in.min);
        QCOMPARE(field->maximum(), in.max);
        QCOMPARE(field->inputPicture(), QString::fromUtf8(in.input));
        QCOMPARE(field->displayPicture(), QString::fromUtf8(in.display));
        QCOMPARE(field->rangeMessage(), QString::fromStdString(RangeMessage(in)));
        ++checked;
    }
    // Every numeric field of the five dialogs is listed, the bond-stress text aside.
    int fields = 0;
    for (const auto& [record, dlg] : dialogs)
        for (NumericField* nf : dlg->findChildren<NumericField*>())
            fields += nf->objectName() != QStringLiteral("numToa");
    QCOMPARE(checked, fields);
}

QTEST_MAIN(InputRangesTest)
#include "input_ranges_test.moc"
