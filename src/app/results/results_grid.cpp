#include "app/results/results_grid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <cmath>

#include "calc/run/section_table.h"
#include "common/number_format.h"

namespace nuvra::app {
namespace {

constexpr int kDiaMin = 0, kDiaMax = 99;
constexpr int kCtcMin = 100, kCtcMax = 1000;

int tableColumn(int valueColumn) {
    return valueColumn + ResultsGrid::kLabelColumns - 1;
}

int valueColumnOf(int tableColumn) {
    return tableColumn - ResultsGrid::kLabelColumns + 1;
}

// The editor of a diameter or spacing cell: whole numbers within the cell's limits.
class BarCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const int column = valueColumnOf(index.column());
        auto* spin = new QSpinBox(parent);
        spin->setObjectName(QStringLiteral("cellEditor"));
        spin->setRange(ResultsGrid::minimumOf(column), ResultsGrid::maximumOf(column));
        spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        spin->setFrame(false);
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
        return spin;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QSpinBox*>(editor)->setValue(index.data().toString().toInt());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        auto* spin = static_cast<QSpinBox*>(editor);
        // An emptied entry, or one below the cell's minimum (a spacing of 50 on its way
        // to 500), is not a value: the cell keeps the one it had.
        if (spin->text().trimmed().isEmpty() || !spin->hasAcceptableInput()) return;
        model->setData(index, QString::number(spin->value()));
    }
};

QString headerOf(int valueColumn) {
    static const char* const kHeaders[] = {"Md", "Sd", "径(mm)", "ctc(mm)", "σc", "σs", "τ", "τo"};
    return QString::fromUtf8(kHeaders[valueColumn - 1]);
}

}  // namespace

const QColor& ResultsGrid::computedBackground() {
    static const QColor c(0xFF, 0xFF, 0xD0);
    return c;
}

const QColor& ResultsGrid::failingText() {
    static const QColor c(0xFF, 0x00, 0x00);
    return c;
}

ResultsGrid::ResultsGrid(QWidget* parent)
    : QTableWidget(kRows, kLabelColumns + kValueColumns, parent) {
    setObjectName(QStringLiteral("vaSpread1"));
    build();
    connect(this, &QTableWidget::itemChanged, this, &ResultsGrid::onItemChanged);
}

bool ResultsGrid::isInputCell(int row, int column) {
    return row >= 1 && row <= kFaceRows && (column == Dia || column == Ctc);
}

int ResultsGrid::minimumOf(int column) {
    return column == Ctc ? kCtcMin : kDiaMin;
}

int ResultsGrid::maximumOf(int column) {
    return column == Ctc ? kCtcMax : kDiaMax;
}

void ResultsGrid::build() {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);  // Tab leaves the grid for the buttons
    setItemDelegateForColumn(tableColumn(Dia), new BarCellDelegate(this));
    setItemDelegateForColumn(tableColumn(Ctc), new BarCellDelegate(this));

    QStringList headers{QString(), QString()};
    for (int c = 1; c <= kValueColumns; ++c)
        headers << headerOf(c);
    setHorizontalHeaderLabels(headers);

    const QColor labelBackground = palette().color(QPalette::Button);
    writing_ = true;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setForeground(Qt::black);
            if (c < kLabelColumns) {
                item->setTextAlignment(Qt::AlignCenter);
                item->setBackground(labelBackground);
            } else {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            setItem(r, c, item);
        }
    }
    for (int r = 1; r <= kFaceRows; ++r) {
        const calc::SectionId id = calc::kSectionIds[static_cast<std::size_t>(r - 1)];
        item(r - 1, 0)->setText(QString::fromUtf8(calc::MemberLabel(id)));
        item(r - 1, 1)->setText(QString::fromUtf8(calc::FaceLabel(id)));
        for (int c = 1; c <= kValueColumns; ++c) {
            QTableWidgetItem* it = cell(r, c);
            if (isInputCell(r, c))
                it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            else
                it->setBackground(computedBackground());
        }
        if (r % 2 == 1) setSpan(r - 1, 0, 2, 1);  // one member label for its two faces
    }
    const QString allowable = QStringLiteral("許容値");
    item(kAllowableRow - 1, 0)->setText(allowable);
    item(kAllowableRow - 1, 1)->setText(allowable);
    setSpan(kAllowableRow - 1, 0, 1, 2);
    for (int c = Md; c <= Ctc; ++c) {
        cell(kAllowableRow, c)->setText(QStringLiteral("-----"));
        cell(kAllowableRow, c)->setTextAlignment(Qt::AlignCenter);
    }
    for (int c = Sc; c <= T0; ++c)
        cell(kAllowableRow, c)->setBackground(computedBackground());
    writing_ = false;

    // Widths that hold the largest value of each column's limits.
    const QFontMetrics fm(font());
    const int pad = 14;
    setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("フーチング")) + pad);
    setColumnWidth(1, fm.horizontalAdvance(QStringLiteral("外側筋")) + pad);
    const QFontMetrics hm(horizontalHeader()->font());
    for (int c = 1; c <= kValueColumns; ++c) {
        const QString widest = c <= Sd    ? QStringLiteral("99999.99")
                               : c == Dia ? QStringLiteral("99")
                               : c == Ctc ? QStringLiteral("1000")
                                          : QStringLiteral("9999.99");
        setColumnWidth(
            tableColumn(c),
            std::max(fm.horizontalAdvance(widest), hm.horizontalAdvance(headerOf(c))) + pad);
    }
    const int rowHeight = fm.height() + 8;
    for (int r = 0; r < kRows; ++r)
        setRowHeight(r, rowHeight);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ResultsGrid::sizeHint() const {
    int w = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c)
        w += columnWidth(c);
    int h = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int r = 0; r < rowCount(); ++r)
        h += rowHeight(r);
    return {w, h};
}

QTableWidgetItem* ResultsGrid::cell(int row, int column) const {
    if (row < 1 || row > kRows || column < 1 || column > kValueColumns) return nullptr;
    return item(row - 1, tableColumn(column));
}

void ResultsGrid::setNumber(int row, int column, double value) {
    if (column == Dia || column == Ctc) {
        // Whole numbers; a real converts half to even, as every dialog converts.
        setText(row, column, QString::number(static_cast<long long>(std::nearbyint(value))));
    } else {
        setText(row, column, QString::fromStdString(formatPicture(value, "##0.00")));
    }
}

void ResultsGrid::setText(int row, int column, const QString& text) {
    QTableWidgetItem* it = cell(row, column);
    if (!it) return;
    writing_ = true;
    it->setText(text);
    writing_ = false;
}

void ResultsGrid::setFailing(int row, int column, bool failing) {
    if (QTableWidgetItem* it = cell(row, column))
        it->setForeground(failing ? failingText() : QColor(Qt::black));
}

bool ResultsGrid::isFailing(int row, int column) const {
    const QTableWidgetItem* it = cell(row, column);
    return it && it->foreground().color() == failingText();
}

void ResultsGrid::setFaceMarked(int row, bool marked) {
    if (row < 1 || row > kFaceRows) return;
    QTableWidgetItem* label = item(row - 1, 1);
    label->setForeground(marked ? failingText() : QColor(Qt::black));
    label->setToolTip(marked ? QStringLiteral("許容応力度を満たす配筋が見つかりません")
                             : QString());
}

bool ResultsGrid::isFaceMarked(int row) const {
    if (row < 1 || row > kFaceRows) return false;
    return item(row - 1, 1)->foreground().color() == failingText();
}

void ResultsGrid::setCurrentValueCell(int row, int column) {
    if (!isInputCell(row, column)) return;
    setCurrentCell(row - 1, tableColumn(column));
}

bool ResultsGrid::isInputIndex(const QModelIndex& index) const {
    return index.isValid() && isInputCell(index.row() + 1, valueColumnOf(index.column()));
}

void ResultsGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.isValid() && !isInputIndex(current)) {
        // A locked cell cannot become current: stay where we were.
        const QModelIndex back =
            isInputIndex(previous) ? previous : model()->index(0, tableColumn(Dia));
        selectionModel()->setCurrentIndex(back, QItemSelectionModel::ClearAndSelect);
        return;
    }
    QTableWidget::currentChanged(current, previous);
}

QItemSelectionModel::SelectionFlags ResultsGrid::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    if (index.isValid() && !isInputIndex(index)) return QItemSelectionModel::NoUpdate;
    return QTableWidget::selectionCommand(index, event);
}

void ResultsGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    const QModelIndex current = currentIndex();
    const QModelIndex target =
        isInputIndex(current) ? current : model()->index(0, tableColumn(Dia));
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
}

void ResultsGrid::onItemChanged(QTableWidgetItem* changed) {
    if (writing_) return;
    const int row = changed->row() + 1;
    const int column = valueColumnOf(changed->column());
    if (isInputCell(row, column)) emit barsEdited(row, column);
}

}  // namespace nuvra::app
