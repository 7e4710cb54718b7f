// The behaviour every input dialog inherits: caption, help button, position kept in its
// settings section, LoadData before showing, SaveData with Cancel on OK.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

#include "app/input_dialog.h"
#include "app/window_placement.h"
#include "app_test_support.h"

using namespace nuvra;
using namespace nuvra::app;
using namespace nuvra::app::test;

namespace {

/// The smallest real dialog: one record field shown in a label, stored on OK unless the
/// value is refused.
class TitleDialog : public InputDialog {
  public:
    TitleDialog(AppContext& c, DesignData& d, bool keepsPosition = true)
        : InputDialog(c, d, QStringLiteral("InpJyoken"), QStringLiteral("設計条件の入力")),
          keepsPosition_(keepsPosition) {
        label = new QLabel(this);
        contentLayout()->addWidget(label);
    }
    QLabel* label;
    QString typed;  ///< what the user "entered"
    bool shownAtLoad = true;
    int saves = 0;

  protected:
    void LoadData() override {
        label->setText(QString::fromStdString(design().objInpJyoken.Title));
        shownAtLoad = isVisible();
    }
    void SaveData(bool& Cancel) override {
        ++saves;
        if (typed.contains(QLatin1Char('"'))) {
            Cancel = true;
            messages().information(this, QStringLiteral("refused"), windowTitle());
            return;
        }
        design().objInpJyoken.Title = typed.toStdString();
    }
    bool storesPosition() const override { return keepsPosition_; }

  private:
    bool keepsPosition_;
};

}  // namespace

class InputDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void loadDataFillsControlsBeforeShowing();
    void okStoresAndCloses();
    void cancelledSaveKeepsDialogOpen();
    void cancelLeavesRecordUntouched();
    void captionAndHelpFollowTheProperties();
    void positionFromSettingsAndStoredOnClosing();
    void centredWhenNoPosition();
    void dialogThatKeepsItsPositionWritesNothing();
};

void InputDialogTest::loadDataFillsControlsBeforeShowing() {
    AppFixture f;
    DesignData d;
    d.objInpJyoken.Title = "北側水路";
    TitleDialog dlg(f.context, d);
    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    dlg.showModal();
    QCOMPARE(dlg.label->text(), QStringLiteral("北側水路"));
    QVERIFY(!dlg.shownAtLoad);
    QCOMPARE(dlg.cmdOk()->text(), QStringLiteral("OK(&O)"));
    QCOMPARE(dlg.cmdCancel()->text(), QStringLiteral("ｷｬﾝｾﾙ(&C)"));
    QCOMPARE(dlg.cmdHelp()->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
}

void InputDialogTest::okStoresAndCloses() {
    AppFixture f;
    DesignData d;
    TitleDialog dlg(f.context, d);
    dlg.typed = QStringLiteral("南水路");
    int saved = 0;
    QObject::connect(&dlg, &InputDialog::dataSaved, [&saved] { ++saved; });
    whenModal([&dlg](QWidget*) { dlg.cmdOk()->click(); });
    QCOMPARE(dlg.showModal(), int(QDialog::Accepted));
    QCOMPARE(d.objInpJyoken.Title, std::string("南水路"));
    QCOMPARE(saved, 1);
}

void InputDialogTest::cancelledSaveKeepsDialogOpen() {
    AppFixture f;
    DesignData d;
    TitleDialog dlg(f.context, d);
    dlg.typed = QStringLiteral("a\"b");
    int saved = 0;
    bool openAfterOk = false;
    QObject::connect(&dlg, &InputDialog::dataSaved, [&saved] { ++saved; });
    whenModal([&](QWidget*) {
        dlg.cmdOk()->click();
        openAfterOk = dlg.isVisible();
        dlg.typed = QStringLiteral("ab");
        dlg.cmdOk()->click();
    });
    QCOMPARE(dlg.showModal(), int(QDialog::Accepted));
    QVERIFY(openAfterOk);
    QCOMPARE(dlg.saves, 2);
    QCOMPARE(saved, 1);
    QCOMPARE(d.objInpJyoken.Title, std::string("ab"));
    QCOMPARE(f.messages.shown.size(), std::size_t(1));
    QCOMPARE(f.messages.shown[0].title, QStringLiteral("設計条件の入力"));
}

void InputDialogTest::cancelLeavesRecordUntouched() {
    AppFixture f;
    DesignData d;
    TitleDialog dlg(f.context, d);
    dlg.typed = QStringLiteral("changed");
    whenModal([&dlg](QWidget*) { dlg.cmdCancel()->click(); });
    QCOMPARE(dlg.showModal(), int(QDialog::Rejected));
    QCOMPARE(d, DesignData{});
    QCOMPARE(dlg.saves, 0);
}

void InputDialogTest::captionAndHelpFollowTheProperties() {
    AppFixture f;
    DesignData d;
    {
        TitleDialog dlg(f.context, d);
        dlg.setCaption(QString());
        dlg.setHelpFile(QString());
        dlg.setHelpContext(0);
        whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        dlg.showModal();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("設計条件の入力"));
        QVERIFY(!dlg.cmdHelp()->isEnabled());
    }
    {
        TitleDialog dlg(f.context, d);
        dlg.setCaption(QStringLiteral("別の見出し"));
        dlg.setHelpFile(QStringLiteral("nuvra.hlp"));
        whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        dlg.showModal();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("別の見出し"));
        QVERIFY(dlg.cmdHelp()->isEnabled());
    }
}

void InputDialogTest::positionFromSettingsAndStoredOnClosing() {
    AppFixture f;
    const double tpp = twipsPerPixel();
    f.context.settings.writeString("InpJyoken", "Top", QString::number(std::lround(30 * tpp)));
    f.context.settings.writeString("InpJyoken", "Left", QString::number(std::lround(50 * tpp)));
    DesignData d;
    TitleDialog dlg(f.context, d);
    QPoint seen;
    whenModal([&](QWidget* w) {
        seen = w->pos();
        w->move(70, 20);
        static_cast<QDialog*>(w)->reject();
    });
    dlg.showModal();
    QCOMPARE(seen, QPoint(50, 30));
    QCOMPARE(f.context.settings.readLong("InpJyoken", "Top"), std::lround(20 * tpp));
    QCOMPARE(f.context.settings.readLong("InpJyoken", "Left"), std::lround(70 * tpp));
}

void InputDialogTest::centredWhenNoPosition() {
    AppFixture f;
    f.context.settings.writeString("InpJyoken", "Top", QStringLiteral("-15"));
    DesignData d;
    TitleDialog dlg(f.context, d);
    QPoint seen;
    QSize size;
    whenModal([&](QWidget* w) {
        seen = w->pos();
        size = w->frameGeometry().size();
        static_cast<QDialog*>(w)->reject();
    });
    dlg.showModal();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    // Centred, within what the window frame adds once the window is shown.
    const int slack = std::max(size.width() - dlg.width(), size.height() - dlg.height()) + 1;
    QVERIFY(std::abs(seen.x() - (screen.width() - size.width()) / 2) <= slack);
    QVERIFY(std::abs(seen.y() - (screen.height() - size.height()) / 2) <= slack);
}

void InputDialogTest::dialogThatKeepsItsPositionWritesNothing() {
    AppFixture f;
    DesignData d;
    TitleDialog dlg(f.context, d, /*keepsPosition=*/false);
    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    dlg.showModal();
    QVERIFY(!QFile::exists(f.ini()));
}

QTEST_MAIN(InputDialogTest)
#include "input_dialog_test.moc"
