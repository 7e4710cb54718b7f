// The numeric field: what can be typed, what is shown with and without the focus, and
// the range check when the field is left.
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "app/widgets/numeric_field.h"
#include "dialog_test_support.h"

using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

/// A window with the field under test, a second field to move to and a button.
struct Form {
    RecordingMessages messages;
    QWidget window;
    NumericField* field;
    NumericField* next;
    QPushButton* button;

    explicit Form(const NumericFieldSpec& spec, const QString& caption = QString()) {
        window.setWindowTitle(QStringLiteral("フォーム"));
        auto* layout = new QVBoxLayout(&window);
        field = new NumericField(messages, spec, &window);
        field->setCaption(caption);
        next = new NumericField(messages, {"#0.00", nullptr, 0, 99}, &window);
        button = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &window);
        layout->addWidget(field);
        layout->addWidget(next);
        layout->addWidget(button);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window)) qWarning("form did not become active");
    }
};

}  // namespace

class NumericFieldTest : public QObject {
    Q_OBJECT
  private slots:
    void leavingOutOfRangeShowsTheRangeAndKeepsFocus_data();
    void leavingOutOfRangeShowsTheRangeAndKeepsFocus();
    void typingFollowsTheInputPicture_data();
    void typingFollowsTheInputPicture();
    void displayPictureWithoutFocusInputPictureWithIt();
    void settingTheValueIsNoEntry();
    void integerValueRoundsHalfToEven_data();
    void integerValueRoundsHalfToEven();
    void buttonThatSkipsTheCheckLeavesWithoutMessage();
    void refocusingDoesNotCheckTheFieldItLeaves();
    void theClickThatLeavesIsHeldUntilTheCheck();
};

void NumericFieldTest::leavingOutOfRangeShowsTheRangeAndKeepsFocus_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("display");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // empty: accepted

    const QString fa = QStringLiteral("入力範囲：1.1 ～ 1.2");
    QTest::newRow("Fa 1.3") << "#0.0"
                            << "#0.0" << 1.1 << 1.2 << "1.3" << fa;
    QTest::newRow("Fa 1.0") << "#0.0"
                            << "#0.0" << 1.1 << 1.2 << "1.0" << fa;
    QTest::newRow("Fa empty") << "#0.0"
                              << "#0.0" << 1.1 << 1.2 << "" << fa;
    QTest::newRow("Fa 1.1 edge") << "#0.0"
                                 << "#0.0" << 1.1 << 1.2 << "1.1" << QString();
    QTest::newRow("Fa 1.2 edge") << "#0.0"
                                 << "#0.0" << 1.1 << 1.2 << "1.2" << QString();
    QTest::newRow("gamma2 through display picture")
        << "#0.0"
        << "#0.00" << 0.0 << 99.9 << "120" << QStringLiteral("入力範囲：0.00 ～ 99.90");
    QTest::newRow("backfill 25 accepted") << "#0.0"
                                          << "#0.0" << 0.0 << 999999999.0 << "25" << QString();
    QTest::newRow("unit weight 99 limit")
        << "#0.0"
        << "#0.0" << 0.0 << 99.0 << "99.1" << QStringLiteral("入力範囲：0.0 ～ 99.0");
    QTest::newRow("Ec") << "####0"
                        << "####0" << 0.0 << 99999.0 << "100000"
                        << QStringLiteral("入力範囲：0 ～ 99999");
}

void NumericFieldTest::leavingOutOfRangeShowsTheRangeAndKeepsFocus() {
    QFETCH(QString, input);
    QFETCH(QString, display);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const QByteArray in = input.toUtf8(), out = display.toUtf8();
    Form form({in.constData(), out.constData(), min, max},
              QStringLiteral("浮上に対する　許容安全率  Fa"));
    typeInto(form.field, typed);
    leave(form.field);
    if (message.isEmpty()) {
        QCOMPARE(form.messages.shown.size(), std::size_t(0));
        QCOMPARE(form.messages.beeps, 0);
        QVERIFY(form.next->hasFocus());
        return;
    }
    QCOMPARE(form.messages.shown.size(), std::size_t(1));
    QCOMPARE(form.messages.shown[0].text, message);
    QCOMPARE(form.messages.shown[0].icon, MsgIcon::Information);
    QCOMPARE(form.messages.shown[0].title, QStringLiteral("浮上に対する 許容安全率 Fa"));
    QCOMPARE(form.messages.beeps, 1);
    QVERIFY(form.field->hasFocus());
    QCOMPARE(form.field->rangeMessage(), message);
}

void NumericFieldTest::typingFollowsTheInputPicture_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("decimals cut at two") << "#0.00"
                                         << "1.234"
                                         << "1.23" << 1.23;
    QTest::newRow("no point in integer picture") << "##0"
                                                 << "12.5"
                                                 << "125" << 125.0;
    QTest::newRow("letters refused") << "#0.0"
                                     << "1a2"
                                     << "12" << 12.0;
    QTest::newRow("no minus for positive range") << "#0.0"
                                                 << "-3"
                                                 << "3" << 3.0;
    QTest::newRow("full-width digits") << "#0.0" << QStringLiteral("１２．５") << "12.5" << 12.5;
    QTest::newRow("leading point") << "#0.00"
                                   << ".5"
                                   << ".5" << 0.5;
    QTest::newRow("trailing point") << "#0.00"
                                    << "7."
                                    << "7." << 7.0;
}

void NumericFieldTest::typingFollowsTheInputPicture() {
    QFETCH(QString, picture);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(double, value);
    const QByteArray p = picture.toUtf8();
    Form form({p.constData(), nullptr, 0, 1e9});
    QSignalSpy edits(form.field, &NumericField::valueEdited);
    typeInto(form.field, keys);
    QCOMPARE(form.field->text(), text);
    QCOMPARE(form.field->value(), value);
    QVERIFY(form.field->edited());
    QVERIFY(edits.count() >= 1);
    QCOMPARE(edits.last().at(0).toDouble(), value);
}

void NumericFieldTest::displayPictureWithoutFocusInputPictureWithIt() {
    Form form({"#0.0", "#0.00", 0, 99.9});
    form.button->setFocus();
    form.field->setValue(15);
    QCOMPARE(form.field->text(), QStringLiteral("15.00"));
    form.field->setFocus(Qt::TabFocusReason);
    QCOMPARE(form.field->text(), QStringLiteral("15.0"));
    leave(form.field);
    QCOMPARE(form.field->text(), QStringLiteral("15.00"));
    // A stored value finer than the picture is shown rounded but kept as it is.
    form.field->setValue(2.26);
    QCOMPARE(form.field->text(), QStringLiteral("2.26"));
    form.field->setValue(2.255);
    QCOMPARE(form.field->text(), QStringLiteral("2.26"));
    QCOMPARE(form.field->value(), 2.255);
}

void NumericFieldTest::settingTheValueIsNoEntry() {
    Form form({"#0.0", nullptr, 1.1, 1.2});
    QSignalSpy edits(form.field, &NumericField::valueEdited);
    form.field->setValue(5);
    QCOMPARE(edits.count(), 0);
    QVERIFY(!form.field->edited());
    QVERIFY(!form.field->inRange());
    QCOMPARE(form.messages.shown.size(), std::size_t(0));
}

void NumericFieldTest::integerValueRoundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("24.5") << 24.5 << 24;
    QTest::newRow("29.51") << 29.51 << 30;
    QTest::newRow("-0.5") << -0.5 << 0;
}

void NumericFieldTest::integerValueRoundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    Form form({"#0.0", nullptr, -99, 99});
    form.field->setValue(value);
    QCOMPARE(form.field->intValue(), expected);
}

void NumericFieldTest::buttonThatSkipsTheCheckLeavesWithoutMessage() {
    Form form({"#0.0", nullptr, 1.1, 1.2});
    form.button->setProperty("skipsRangeCheck", true);
    typeInto(form.field, QStringLiteral("1.5"));
    form.button->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QCOMPARE(form.messages.shown.size(), std::size_t(0));
    // Any other way out is checked.
    typeInto(form.field, QStringLiteral("1.5"));
    form.next->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QCOMPARE(form.messages.shown.size(), std::size_t(1));
    QVERIFY(form.field->hasFocus());
}

void NumericFieldTest::refocusingDoesNotCheckTheFieldItLeaves() {
    // Both fields out of range: the range message of the first must not start a
    // message of the second when the focus is taken back from it.
    Form form({"#0.0", nullptr, 1.1, 1.2});
    form.next->setValue(150);
    typeInto(form.field, QStringLiteral("2"));
    leave(form.field);
    QCoreApplication::processEvents();
    QCOMPARE(form.messages.shown.size(), std::size_t(1));
    QVERIFY(form.field->hasFocus());
}

void NumericFieldTest::theClickThatLeavesIsHeldUntilTheCheck() {
    // A button clicked straight out of a bad entry must not act on it; once the entry is
    // corrected the same click goes through.
    Form form({"#0.0", nullptr, 1.1, 1.2});
    QSignalSpy clicks(form.button, &QPushButton::clicked);
    typeInto(form.field, QStringLiteral("1.5"));
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(form.messages.shown.size(), std::size_t(1));
    QVERIFY(form.field->hasFocus());
    typeInto(form.field, QStringLiteral("1.2"));
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(form.messages.shown.size(), std::size_t(1));
}

QTEST_MAIN(NumericFieldTest)
#include "numeric_field_test.moc"
