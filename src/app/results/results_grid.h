// vaSpread1 of the results dialog: seven rows (the six reinforced faces and the allowable
// stresses) under a header row, two label columns and eight value columns.
//
// Rows and value columns are numbered as the dialog speaks of them: rows 1 to 7, value
// columns 1 to 8 (Md, Sd, diameter, spacing, σc, σs, τ, τo). Only the diameter and
// spacing cells of rows 1 to 6 take input; every other cell is locked, and the current
// cell never leaves the input cells.
#pragma once

#include <QString>
#include <QTableWidget>

namespace nuvra::app {

class ResultsGrid : public QTableWidget {
    Q_OBJECT
  public:
    static constexpr int kRows = 7;
    static constexpr int kFaceRows = 6;
    static constexpr int kAllowableRow = 7;
    static constexpr int kLabelColumns = 2;
    static constexpr int kValueColumns = 8;

    enum ValueColumn { Md = 1, Sd, Dia, Ctc, Sc, Ss, Tc, T0 };

    /// Light yellow of the computed cells, and the red of a failing stress.
    static const QColor& computedBackground();
    static const QColor& failingText();

    explicit ResultsGrid(QWidget* parent = nullptr);

    /// The item of value cell (row, column); nullptr outside the grid.
    QTableWidgetItem* cell(int row, int column) const;
    static bool isInputCell(int row, int column);
    /// Cell limits of the two input columns.
    static int minimumOf(int column);
    static int maximumOf(int column);

    /// Writes a number as the column shows it: whole numbers in the input columns, two
    /// decimals elsewhere. Does not count as a user's change.
    void setNumber(int row, int column, double value);
    void setText(int row, int column, const QString& text);
    /// Red when `failing`, black otherwise.
    void setFailing(int row, int column, bool failing);
    bool isFailing(int row, int column) const;

    /// Marks the face label of a face row (red, with a tip) as a face for which the
    /// automatic selection found no passing bars; false clears the mark.
    void setFaceMarked(int row, bool marked);
    bool isFaceMarked(int row) const;

    int currentRowNumber() const { return currentRow() + 1; }
    int currentValueColumn() const { return currentColumn() - kLabelColumns + 1; }
    void setCurrentValueCell(int row, int column);

    /// Width and height that show every cell without scrolling.
    QSize sizeHint() const override;

  signals:
    /// The user changed input cell (row, column) of a face row.
    void barsEdited(int row, int column);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    /// A click, key or drag towards a locked cell leaves the selection as it is, so the
    /// current cell keeps its highlight when the move is refused.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void build();
    void onItemChanged(QTableWidgetItem* item);
    bool isInputIndex(const QModelIndex& index) const;

    bool writing_ = false;
};

}  // namespace nuvra::app
