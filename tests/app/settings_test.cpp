// The settings as the program keeps them: the recent-file rule, CP932 on disk,
// positions in twips and the folders made at start-up.
#include <QtTest>

#include "app/app_context.h"
#include "app/recent_files.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "app_test_support.h"
#include "common/cp932.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void recentListRule_data();
    void recentListRule();
    void recentListSurvivesTheFileInCp932();
    void valuesRoundTripInCp932_data();
    void valuesRoundTripInCp932();
    void missingFileReadsDefaults();
    void placementRule_data();
    void placementRule();
    void foldersAreMadeAtStartUp();
};

void SettingsTest::recentListRule_data() {
    QTest::addColumn<QStringList>("old");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty list") << QStringList{"", "", "", ""} << "a"
                                << QStringList{"a", "", "", ""};
    QTest::newRow("new path pushes the last out")
        << QStringList{"a", "b", "c", "d"} << "e" << QStringList{"e", "a", "b", "c"};
    QTest::newRow("first stays first")
        << QStringList{"a", "b", "c", "d"} << "a" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("third moves up")
        << QStringList{"a", "b", "c", "d"} << "c" << QStringList{"c", "a", "b", "d"};
    QTest::newRow("fourth moves up")
        << QStringList{"a", "b", "c", "d"} << "d" << QStringList{"d", "a", "b", "c"};
    QTest::newRow("case matters") << QStringList{"/x/A.nvr", "b", "", ""} << "/x/a.nvr"
                                  << QStringList{"/x/a.nvr", "/x/A.nvr", "b", ""};
    QTest::newRow("last of duplicates counts")
        << QStringList{"a", "b", "a", "c"} << "a" << QStringList{"a", "a", "b", "c"};
}

void SettingsTest::recentListRule() {
    QFETCH(QStringList, old);
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    const RecentList got = updatedRecentList({old[0], old[1], old[2], old[3]}, path);
    QCOMPARE(QStringList(got.begin(), got.end()), expected);
}

void SettingsTest::recentListSurvivesTheFileInCp932() {
    AppFixture f;
    RecentFiles recent(f.context.settings);
    const QString a = QStringLiteral("/home/設計/Ａ水路.nvr");
    const QString b = QStringLiteral("/home/設計/排水路 No.2.nvr");
    recent.UpdateRecentFiles(a);
    recent.UpdateRecentFiles(b);
    RecentFiles reread(f.context.settings);
    QCOMPARE(reread.read(), (RecentList{b, a, QString(), QString()}));
    const QByteArray bytes = readBytes(f.ini());
    QVERIFY(bytes.contains(
        QByteArray::fromStdString(toCp932("FileName1=" + b.toStdString() + "\r\n").value())));
    QVERIFY(!bytes.contains(b.toUtf8()));  // not UTF-8 on disk
}

void SettingsTest::valuesRoundTripInCp932_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("ascii") << "2355";
    QTest::newRow("full-width and half-width kana") << "ﾌｧｲﾙ／設計データ";
    QTest::newRow("blanks inside") << "C:/a b/c";
    QTest::newRow("empty") << "";
}

void SettingsTest::valuesRoundTripInCp932() {
    QFETCH(QString, value);
    AppFixture f;
    QVERIFY(f.context.settings.writeString("FileName", "InitDir", value));
    QCOMPARE(f.context.settings.readString("FileName", "InitDir"), value);
    const QByteArray bytes = readBytes(f.ini());
    QVERIFY(bytes.contains(
        QByteArray::fromStdString(toCp932("InitDir=" + value.toStdString() + "\r\n").value())));
}

void SettingsTest::missingFileReadsDefaults() {
    AppFixture f;
    QVERIFY(!QFile::exists(f.ini()));
    QCOMPARE(f.context.settings.readLong("MenuMain", "Top"), 0);
    QVERIFY(f.context.settings.readString("FileName", "FileName1").isEmpty());
    f.context.settings.writeString("MenuMain", "Top", QStringLiteral("-300"));
    QCOMPARE(f.context.settings.readLong("MenuMain", "Top"), -300);
    QVERIFY(readBytes(f.ini()).startsWith("[MenuMain]\r\n"));
}

void SettingsTest::placementRule_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<qint64>("screen");
    QTest::addColumn<qint64>("window");
    QTest::addColumn<qint64>("expected");
    const int mainRule = int(PlacementRule::MainWindow), dialog = int(PlacementRule::Dialog);
    QTest::newRow("main: stored") << mainRule << qint64(1500) << qint64(9000) << qint64(3000)
                                  << qint64(1500);
    QTest::newRow("main: zero centres")
        << mainRule << qint64(0) << qint64(9000) << qint64(3001) << qint64(2999);
    QTest::newRow("main: negative centres")
        << mainRule << qint64(-300) << qint64(9000) << qint64(3000) << qint64(3000);
    QTest::newRow("main: at the edge centres")
        << mainRule << qint64(9000) << qint64(9000) << qint64(3000) << qint64(3000);
    QTest::newRow("main: window taller than screen")
        << mainRule << qint64(0) << qint64(9000) << qint64(9900) << qint64(0);
    QTest::newRow("dialog: 1 is kept")
        << dialog << qint64(1) << qint64(9000) << qint64(3000) << qint64(1);
    QTest::newRow("dialog: beyond the screen is kept")
        << dialog << qint64(20000) << qint64(9000) << qint64(3000) << qint64(20000);
    QTest::newRow("dialog: 0 centres")
        << dialog << qint64(0) << qint64(9000) << qint64(3000) << qint64(3000);
}

void SettingsTest::placementRule() {
    QFETCH(int, rule);
    QFETCH(qint64, stored);
    QFETCH(qint64, screen);
    QFETCH(qint64, window);
    QFETCH(qint64, expected);
    QCOMPARE(qint64(placedCoordinate(stored, screen, window, PlacementRule(rule))), expected);
}

void SettingsTest::foldersAreMadeAtStartUp() {
    QTemporaryDir root;
    // The platform's folder itself may be missing on a fresh account.
    const AppPaths p = prepareAppPaths(root.path() + "/app", root.path() + "/home/.local/share");
    QCOMPARE(QString::fromStdString(p.SettingsIniPath), root.path() + "/app/Nuvra.INI");
    QCOMPARE(QString::fromStdString(p.FormatFilePath), root.path() + "/app/Nuvra.FMT");
    QCOMPARE(QString::fromStdString(p.UserSettingsFolder),
             root.path() + "/home/.local/share/Zantrel/Nuvra");
    QVERIFY(QFileInfo(root.path() + "/home/.local/share/Zantrel/Nuvra").isDir());
    // Existing folders are fine.
    QCOMPARE(prepareAppPaths(root.path() + "/app", root.path() + "/home/.local/share")
                 .UserSettingsFolder,
             p.UserSettingsFolder);
    // Without a local data folder nothing is made at the root.
    QCOMPARE(prepareAppPaths(root.path(), QString()).UserSettingsFolder,
             std::string("/Zantrel/Nuvra"));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/Zantrel")));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
