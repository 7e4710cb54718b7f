// NumericField: the one edit control for numbers in the input dialogs. It holds a
// value, an input picture (what the user types: the picture's decimals fix the
// precision that can be entered), a display picture (how the value is shown while the
// field does not have the focus) and a closed range. Leaving the field with a value
// outside the range beeps, shows "入力範囲：min ～ max" in the display picture and puts
// the focus back, whatever took the focus: the click or key that moved it is held back
// until the check has run, and a field that was hidden or disabled meanwhile is shown
// again first. Dialogs read value() / intValue() and never parse text themselves.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <cstdint>

namespace nuvra::app {

class MessageService;

/// Pictures and range of one field, as the dialogs list them.
struct NumericFieldSpec {
    const char* inputPicture;
    const char* displayPicture;  ///< null: the same as the input picture
    double min;
    double max;
};

class NumericField : public QLineEdit {
    Q_OBJECT
  public:
    NumericField(MessageService& messages, const NumericFieldSpec& spec, QWidget* parent = nullptr);

    double value() const { return value_; }
    /// The value as an integer, rounded half to even.
    std::int32_t intValue() const;
    /// Sets the value without counting as an entry (no valueEdited, no range check).
    void setValue(double v);

    double minimum() const { return min_; }
    double maximum() const { return max_; }
    const QString& inputPicture() const { return input_; }
    const QString& displayPicture() const { return display_; }

    /// Caption of the field; the range message carries it as its title.
    void setCaption(const QString& caption) { caption_ = caption; }
    const QString& caption() const { return caption_; }

    bool inRange() const { return value_ >= min_ && value_ <= max_; }
    /// True once the user has typed into the field.
    bool edited() const { return edited_; }
    /// "入力範囲：" + min + " ～ " + max, both in the display picture.
    QString rangeMessage() const;
    /// What leaving the field does: when the value is out of range, show the field (see
    /// reveal), beep, show the range message and put the focus back into the field.
    /// Returns whether the value is in range.
    bool checkRange();
    /// Makes the field reachable: revealRequested lets the dialog select its page, then
    /// the field and every disabled parent up to its window are enabled.
    void reveal();

  signals:
    /// The user changed the value (per keystroke).
    void valueEdited(double value);
    /// The field is about to ask for a correction and must be visible for it.
    void revealRequested(NumericField* field);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void onTextEdited(const QString& text);
    void showValue(bool editing);
    void checkAfterLeaving();
    QString messageTitle() const;

    MessageService& messages_;
    QPointer<QObject> hold_;  ///< input held back until the check after leaving
    QString input_;
    QString display_;
    double min_;
    double max_;
    double value_ = 0.0;
    bool edited_ = false;
    QString caption_;
};

}  // namespace nuvra::app
