// The title field: at most 80 bytes of code page 932, no double quote, nothing that
// code page 932 cannot hold.
#include <QClipboard>
#include <QVBoxLayout>
#include <QtTest>

#include "app/widgets/title_field.h"
#include "dialog_test_support.h"

using namespace nuvra::app;
using namespace nuvra::app::test;

class TitleFieldTest : public QObject {
    Q_OBJECT
  private slots:
    void entries_data();
    void entries();
    void pasteIsCutToWhatFits();
    void storedTextIsShownAsItIsAndMayShrink();
};

void TitleFieldTest::entries_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty: no message
    QTest::addColumn<int>("beeps");

    const QString fw39 = QString(39, QChar(0x6C34));  // 水 x 39 = 78 bytes
    QTest::newRow("plain") << "" << QStringLiteral("北側水路") << QStringLiteral("北側水路")
                           << QString() << 0;
    QTest::newRow("double quote refused")
        << QStringLiteral("水路") << "\"" << QStringLiteral("水路")
        << QStringLiteral("「\"」は件名に使えない文字です。") << 1;
    QTest::newRow("outside the code page refused")
        << QStringLiteral("水路") << QStringLiteral("😀") << QStringLiteral("水路")
        << QStringLiteral("「😀」は件名に使えない文字です。") << 1;
    QTest::newRow("middle dot U+00B7 refused")
        << "" << QStringLiteral("a·b") << QStringLiteral("ab")
        << QStringLiteral("「·」は件名に使えない文字です。") << 1;
    QTest::newRow("40th full-width fits")
        << fw39 << QStringLiteral("川") << fw39 + QStringLiteral("川") << QString() << 0;
    QTest::newRow("41st full-width refused") << fw39 + QStringLiteral("川") << QStringLiteral("川")
                                             << fw39 + QStringLiteral("川") << QString() << 1;
    QTest::newRow("half-width fills the last byte")
        << fw39 + QStringLiteral("a") << QStringLiteral("b") << fw39 + QStringLiteral("ab")
        << QString() << 0;
    QTest::newRow("full-width does not fit one byte")
        << fw39 + QStringLiteral("a") << QStringLiteral("川") << fw39 + QStringLiteral("a")
        << QString() << 1;
}

void TitleFieldTest::entries() {
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, beeps);
    RecordingMessages messages;
    QWidget window;
    window.setWindowTitle(QStringLiteral("設計条件の入力"));
    auto* title = new TitleField(messages, 80, &window);
    (new QVBoxLayout(&window))->addWidget(title);
    window.show();
    title->setStoredText(start);
    title->setFocus();
    title->end(false);
    typeText(title, typed);
    QCOMPARE(title->text(), text);
    QCOMPARE(messages.beeps, beeps);
    if (message.isEmpty()) {
        QCOMPARE(messages.shown.size(), std::size_t(0));
    } else {
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text, message);
        QCOMPARE(messages.shown[0].title, QStringLiteral("設計条件の入力"));
    }
}

void TitleFieldTest::pasteIsCutToWhatFits() {
    RecordingMessages messages;
    TitleField title(messages, 80);
    title.setStoredText(QString(38, QChar(0x6C34)));  // 76 bytes
    title.end(false);
    QApplication::clipboard()->setText(QStringLiteral("ab川川"));
    title.paste();
    QCOMPARE(title.text(), QString(38, QChar(0x6C34)) + QStringLiteral("ab川"));
    QCOMPARE(messages.beeps, 1);
}

void TitleFieldTest::storedTextIsShownAsItIsAndMayShrink() {
    RecordingMessages messages;
    TitleField title(messages, 80);
    const QString tooLong = QString(45, QChar(0x6C34));  // 90 bytes, from a file
    title.setStoredText(tooLong);
    QCOMPARE(title.text(), tooLong);
    title.setFocus();
    title.end(false);
    QTest::keyClick(&title, Qt::Key_Backspace);
    QCOMPARE(title.text(), QString(44, QChar(0x6C34)));
    QCOMPARE(messages.beeps, 0);
    typeText(&title, QStringLiteral("a"));
    QCOMPARE(title.text(), QString(44, QChar(0x6C34)));
    QCOMPARE(messages.beeps, 1);
}

QTEST_MAIN(TitleFieldTest)
#include "title_field_test.moc"
