#include "app/dialogs/heading_numbering_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/dialogs/numbering_preview.h"

namespace nuvra::app {
namespace {

constexpr NumericFieldSpec kInit{"#0", nullptr, 0, 99};
constexpr NumericFieldSpec kMargin{"#0", nullptr, 0, 10};
constexpr const char* kChapter = "Chapter";

/// A read-only preview in a font whose full-width characters are two blanks wide, so
/// that the indentation shows as the report will print it.
QPlainTextEdit* previewBox(const char* name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont f(QStringLiteral("IPAGothic"));
    f.setStyleHint(QFont::TypeWriter);
    box->setFont(f);
    const QFontMetrics fm(f);
    box->setFixedHeight(fm.lineSpacing() * 7 + 14);
    box->setMinimumWidth(fm.horizontalAdvance(QString(40, QLatin1Char('0'))));
    return box;
}

QString asKeyText(int v) {
    return QString::number(v);
}

}  // namespace

const QStringList& frmInpRenban::styleEntries() {
    static const QStringList entries{
        QStringLiteral("1,2,3,..99"),        QStringLiteral("(1),(2),(3) ...(99)"),
        QStringLiteral("1),2),3),.(99)"),    QStringLiteral("(a),(b),(c),...(z)"),
        QStringLiteral("a),b),c),...z)"),    QStringLiteral("(i),(ii),(iii),...(x)"),
        QStringLiteral("i),ii),iii),...x)"), QStringLiteral("①,②,③,...⑳")};
    return entries;
}

frmInpRenban::frmInpRenban(AppContext& context, DesignData& design, QWidget* parent)
    : RecordDialog(context, design, QStringLiteral("InpRenban"), QStringLiteral("連番条件設定"),
                   parent) {
    TabStrip1_ = new QTabBar(this);
    TabStrip1_->setObjectName(QStringLiteral("TabStrip1"));
    const char* captions[3] = {"表現方法", "連番種類", "左余白"};
    for (int i = 0; i < 3; ++i) {
        TabStrip1_->addTab(QString::fromUtf8(captions[i]));
        TabStrip1_->setTabData(i, QStringLiteral("Tab%1").arg(i + 1));
    }
    pages_ = new QStackedWidget(this);
    for (int i = 0; i < 3; ++i) {
        fraTab_[i] = new QFrame(pages_);
        fraTab_[i]->setObjectName(QStringLiteral("fraTab%1").arg(i + 1));
        fraTab_[i]->setFrameShape(QFrame::NoFrame);
        pages_->addWidget(fraTab_[i]);
    }
    auto* framed = new QFrame(this);
    framed->setFrameShape(QFrame::StyledPanel);
    auto* framedLayout = new QVBoxLayout(framed);
    framedLayout->addWidget(pages_);
    contentLayout()->setSpacing(0);
    contentLayout()->addWidget(TabStrip1_);
    contentLayout()->addWidget(framed);

    // Page 1: initial value and method.
    numInit_ = makeField("numInit", kInit, QStringLiteral("（章）に対する初期値"));
    optMethod_ = makeOptions("optMethod",
                             {QStringLiteral("なし"), QStringLiteral("(章)／(節)…"),
                              QStringLiteral("(章)－(節)…"), QStringLiteral("(章)．(節)…")},
                             0);
    txtMethod_ = previewBox("txtMethod", this);
    {
        auto* page = new QVBoxLayout(fraTab_[0]);
        auto* init = new QGridLayout;
        init->setColumnStretch(2, 1);
        addRow(init, 0, numInit_);
        page->addLayout(init);
        auto* method = new QGroupBox(QStringLiteral("表現方法"), fraTab_[0]);
        method->setObjectName(QStringLiteral("fraMethod"));
        auto* methodLayout = new QHBoxLayout(method);
        auto* options = new QVBoxLayout;
        for (QAbstractButton* b : optMethod_->buttons())
            options->addWidget(b);
        options->addStretch();
        methodLayout->addLayout(options);
        methodLayout->addWidget(txtMethod_, 1);
        page->addWidget(method);
        page->addStretch();
    }

    // Page 2: the style of each level.
    {
        auto* page = new QGridLayout(fraTab_[1]);
        const char* levels[4] = {"（章）に対して", "（節）に対して", "（項）に対して",
                                 "（№）に対して"};
        for (int i = 0; i < 4; ++i) {
            cboStyle_[i] = new QComboBox(fraTab_[1]);
            cboStyle_[i]->setObjectName(QStringLiteral("cboStyle%1").arg(i));
            cboStyle_[i]->addItems(styleEntries());
            cboStyle_[i]->setCurrentIndex(-1);
            auto* l = new QLabel(QString::fromUtf8(levels[i]), fraTab_[1]);
            l->setBuddy(cboStyle_[i]);
            page->addWidget(l, i, 0);
            page->addWidget(cboStyle_[i], i, 1);
        }
        page->setColumnStretch(2, 1);
        page->setRowStretch(4, 1);
    }

    // Page 3: the margin of each level and its preview.
    {
        auto* page = new QVBoxLayout(fraTab_[2]);
        auto* grid = new QGridLayout;
        const char* levels[4] = {"（章）レベルに対して", "（節）レベルに対して",
                                 "（項）レベルに対して", ""};
        for (int i = 0; i < 4; ++i) {
            numMargin_[i] = makeField(QStringLiteral("numMargin%1").arg(i).toUtf8().constData(),
                                      kMargin, QString::fromUtf8(levels[i]));
            addRow(grid, i, numMargin_[i]);
            connect(numMargin_[i], &NumericField::valueEdited, this,
                    &frmInpRenban::refreshMarginPreview);
        }
        grid->setColumnStretch(2, 1);
        page->addLayout(grid);
        page->addWidget(new QLabel(QStringLiteral("※ 半角１文字幅を１単位とします"), fraTab_[2]));
        txtMargin_ = previewBox("txtMargin", fraTab_[2]);
        page->addWidget(txtMargin_);
        page->addStretch();
    }

    connect(TabStrip1_, &QTabBar::currentChanged, this, &frmInpRenban::tabClick);
    connect(optMethod_, &QButtonGroup::idClicked, this, &frmInpRenban::optMethodClick);
}

void frmInpRenban::tabClick(int index) {
    for (QFrame* f : fraTab_)
        f->setEnabled(false);
    const QString key = TabStrip1_->tabData(index).toString();
    for (int i = 0; i < 3; ++i) {
        if (key == QStringLiteral("Tab%1").arg(i + 1)) {
            fraTab_[i]->setEnabled(true);
            pages_->setCurrentWidget(fraTab_[i]);
        }
    }
    if (key == QLatin1String("Tab3")) refreshMarginPreview();
}

void frmInpRenban::revealField(QWidget* field) {
    for (int i = 0; i < 3; ++i) {
        if (!fraTab_[i]->isAncestorOf(field)) continue;
        if (TabStrip1_->currentIndex() == i)
            tabClick(i);  // the page is in front already; make sure it is enabled
        else
            TabStrip1_->setCurrentIndex(i);
    }
}

void frmInpRenban::optMethodClick(int method) {
    txtMethod_->setPlainText(methodPreview(method).join(QLatin1Char('\n')));
}

void frmInpRenban::refreshMarginPreview() {
    int m = 0;
    for (int k = 3; k >= 1; --k) {
        if (optMethod_->button(k)->isChecked()) {
            m = k;
            break;
        }
    }
    std::array<int, 4> a{};
    for (std::size_t i = 0; i < 4; ++i)
        a[i] = numMargin_[i]->intValue();
    txtMargin_->setPlainText(marginPreview(m, a).join(QLatin1Char('\n')));
}

void frmInpRenban::LoadData() {
    const SettingsStore& s = settings();
    storedMethod_ = s.readLong(kChapter, "Method");
    setSelectedOption(optMethod_, storedMethod_);
    numInit_->setValue(s.readLong(kChapter, "Init"));
    for (int i = 0; i < 4; ++i) {
        const QByteArray style = "Style" + QByteArray::number(i + 1);
        const QByteArray margin = "Margin" + QByteArray::number(i + 1);
        const int position = s.readLong(kChapter, style.constData()) - 1;
        // A position outside the list leaves the list as it is; 0 selects nothing.
        if (position >= -1 && position < cboStyle_[i]->count())
            cboStyle_[i]->setCurrentIndex(position);
        numMargin_[i]->setValue(s.readLong(kChapter, margin.constData()));
    }
    // The previews, then the first page.
    optMethodClick(SelectedOptionIndex(optMethod_));
    refreshMarginPreview();
    TabStrip1_->setCurrentIndex(0);
    tabClick(0);
}

void frmInpRenban::SaveData(bool& Cancel) {
    if (!allValuesInRange()) {
        Cancel = true;
        return;
    }
    const SettingsStore& s = settings();
    // With no method selected (a stored method the options do not offer) the stored
    // value is kept.
    const int method = optMethod_->checkedId() >= 0 ? optMethod_->checkedId() : storedMethod_;
    s.writeString(kChapter, "Method", asKeyText(method));
    s.writeString(kChapter, "Init", asKeyText(numInit_->intValue()));
    for (int i = 0; i < 4; ++i) {
        const QByteArray key = "Style" + QByteArray::number(i + 1);
        s.writeString(kChapter, key.constData(), asKeyText(cboStyle_[i]->currentIndex() + 1));
    }
    for (int i = 0; i < 4; ++i) {
        const QByteArray key = "Margin" + QByteArray::number(i + 1);
        s.writeString(kChapter, key.constData(), asKeyText(numMargin_[i]->intValue()));
    }
}

}  // namespace nuvra::app
