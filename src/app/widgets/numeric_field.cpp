#include "app/widgets/numeric_field.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QValidator>
#include <algorithm>

#include "app/message_service.h"
#include "common/number_format.h"
#include "design/rules.h"

namespace nuvra::app {
namespace {

// Integer digits a field accepts at most; the widest range in the dialogs has nine.
constexpr int kMaxIntegerDigits = 12;
// Characters a field is made wide enough to show.
constexpr qsizetype kMaxShownChars = 8;

// Set while a field takes the focus back after its range message, so that the field
// it takes the focus from does not start a check of its own.
bool refocusing = false;

/// Number of decimal places of a picture: the digit placeholders after the point of its
/// positive section.
int pictureDecimals(const QString& picture) {
    int decimals = 0;
    bool afterPoint = false;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        if (c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (c == QLatin1Char(';')) break;
        if (c == QLatin1Char('.')) afterPoint = true;
        if (afterPoint && (c == QLatin1Char('0') || c == QLatin1Char('#'))) ++decimals;
    }
    return decimals;
}

/// Accepts what may stand in the field while it is being typed: digits, at most one
/// point followed by at most the picture's decimals, a leading minus when the range
/// has negative values. Full-width digits, point and minus typed through an input method
/// are taken as their half-width forms.
class PictureValidator : public QValidator {
  public:
    PictureValidator(int decimals, bool negative, QObject* parent)
        : QValidator(parent), decimals_(decimals), negative_(negative) {}

    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            const char16_t u = c.unicode();
            if (u >= 0xFF10 && u <= 0xFF19)
                c = QChar(u - 0xFF10 + '0');
            else if (u == 0xFF0E)
                c = QLatin1Char('.');
            else if (u == 0xFF0D || u == 0x2212)
                c = QLatin1Char('-');
        }
        int integerDigits = 0;
        int decimalDigits = 0;
        bool point = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (c == QLatin1Char('-') && i == 0 && negative_) continue;
            if (c == QLatin1Char('.') && !point && decimals_ > 0) {
                point = true;
                continue;
            }
            if (!c.isDigit() || c.unicode() > 0x7F) return Invalid;
            if (point)
                ++decimalDigits;
            else
                ++integerDigits;
        }
        if (integerDigits > kMaxIntegerDigits || decimalDigits > decimals_) return Invalid;
        return Acceptable;
    }

  private:
    int decimals_;
    bool negative_;
};

/// The number the validated text stands for; an empty text, a lone sign or point is 0.
double parseEntry(const QString& text) {
    QString t = text;
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    if (t.startsWith(QLatin1Char('.'))) t.prepend(QLatin1Char('0'));
    if (t.startsWith(QLatin1String("-."))) t.insert(1, QLatin1Char('0'));
    if (t.isEmpty() || t == QLatin1String("-")) return 0.0;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    return ok ? v : 0.0;
}

QString picture(double v, const QString& pattern) {
    return QString::fromStdString(formatPicture(v, pattern.toStdString()));
}

/// Holds back the clicks and keys aimed at the other controls of the field's window
/// from the moment a field with a value out of range loses the focus until it has been
/// checked: the option, tab or button the user went to must not act on the bad value,
/// nor disable or hide the field first. The range message, a window of its own, is not
/// held.
class InputHold : public QObject {
  public:
    explicit InputHold(QWidget* field) : QObject(field), field_(field) {
        qApp->installEventFilter(this);
    }
    ~InputHold() override { qApp->removeEventFilter(this); }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    bool eventFilter(QObject* target, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::Wheel:
                break;
            default:
                return false;
        }
        if (!target->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(target);
        return w != field_ && w->window() == field_->window();
    }

  private:
    QWidget* field_;
};

}  // namespace

NumericField::NumericField(MessageService& messages, const NumericFieldSpec& spec, QWidget* parent)
    : QLineEdit(parent),
      messages_(messages),
      input_(QString::fromUtf8(spec.inputPicture)),
      display_(QString::fromUtf8(spec.displayPicture ? spec.displayPicture : spec.inputPicture)),
      min_(spec.min),
      max_(spec.max) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new PictureValidator(pictureDecimals(input_), min_ < 0, this));
    // Wide enough for the widest value of the range in either picture, within reason:
    // a longer entry scrolls.
    const qsizetype widest = std::max(picture(max_, input_).size(), picture(max_, display_).size());
    const int chars = static_cast<int>(std::clamp<qsizetype>(widest, 4, kMaxShownChars)) + 1;
    setFixedWidth(fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('8'))) + 12);
    connect(this, &QLineEdit::textEdited, this, &NumericField::onTextEdited);
    showValue(false);
}

std::int32_t NumericField::intValue() const {
    return roundHalfEven(value_);
}

void NumericField::setValue(double v) {
    value_ = v;
    showValue(hasFocus());
}

QString NumericField::rangeMessage() const {
    return QStringLiteral("入力範囲：") + picture(min_, display_) + QStringLiteral(" ～ ") +
           picture(max_, display_);
}

void NumericField::reveal() {
    emit revealRequested(this);
    const QWidget* top = window();
    for (QWidget* w = this; w; w = w->parentWidget()) {
        if (!w->isEnabled()) w->setEnabled(true);
        if (w == top) break;
    }
}

bool NumericField::checkRange() {
    if (inRange()) return true;
    reveal();
    messages_.beep();
    messages_.information(this, rangeMessage(), messageTitle());
    refocusing = true;
    setFocus(Qt::OtherFocusReason);
    refocusing = false;
    selectAll();
    return false;
}

void NumericField::focusInEvent(QFocusEvent* event) {
    showValue(true);
    QLineEdit::focusInEvent(event);
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    showValue(false);
    // Losing the focus to a menu or to another window (the range message itself) is
    // not leaving the field.
    if (refocusing || event->reason() == Qt::PopupFocusReason ||
        event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (inRange()) return;
    // Cancel discards the entry anyway: pressing it is no reason to hold the user.
    const QWidget* to = QApplication::focusWidget();
    if (to && to->property("skipsRangeCheck").toBool()) return;
    // The check runs after the event that moved the focus has been handled, since it
    // opens a message box; until then that event and what follows it are held back.
    if (!hold_) hold_ = new InputHold(this);
    QPointer<NumericField> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self) self->checkAfterLeaving();
    });
}

void NumericField::checkAfterLeaving() {
    delete hold_;
    // Back in the field already, or its window closed: nothing to hold the user to.
    if (hasFocus() || !window()->isVisible()) return;
    checkRange();
}

void NumericField::onTextEdited(const QString& text) {
    edited_ = true;
    value_ = parseEntry(text);
    emit valueEdited(value_);
}

void NumericField::showValue(bool editing) {
    setText(picture(value_, editing ? input_ : display_));
}

QString NumericField::messageTitle() const {
    QString t = caption_;
    t.replace(QChar(0x3000), QLatin1Char(' '));
    t = t.simplified();
    if (t.isEmpty() && window()) t = window()->windowTitle();
    return t;
}

}  // namespace nuvra::app
