#include "app/widgets/title_field.h"

#include "app/message_service.h"
#include "common/cp932.h"

namespace nuvra::app {
namespace {

/// Bytes of the text in code page 932; texts it cannot represent count as too long.
std::size_t bytesOf(const QString& text) {
    return cp932Length(text.toStdString()).value_or(std::string::npos);
}

/// The first character of the text that a title cannot hold: a double quote or a
/// character outside code page 932. Empty when there is none.
QString firstRefused(const QString& text) {
    const std::string utf8 = text.toStdString();
    const std::string unmappable = firstUnmappable(utf8);
    const qsizetype quote = text.indexOf(QLatin1Char('"'));
    if (unmappable.empty()) return quote < 0 ? QString() : QStringLiteral("\"");
    const QString u = QString::fromStdString(unmappable);
    if (quote >= 0 && quote < text.indexOf(u)) return QStringLiteral("\"");
    return u;
}

}  // namespace

TitleField::TitleField(MessageService& messages, int maxBytes, QWidget* parent)
    : QLineEdit(parent), messages_(messages), maxBytes_(maxBytes) {
    connect(this, &QLineEdit::textEdited, this, &TitleField::onTextEdited);
}

void TitleField::setStoredText(const QString& text) {
    accepted_ = text;
    setText(text);
}

QString TitleField::refusedCharacterMessage(const QString& character) {
    return QStringLiteral("「") + character + QStringLiteral("」は件名に使えない文字です。");
}

void TitleField::onTextEdited(const QString& text) {
    // What the edit put in: the text between the parts it left unchanged.
    qsizetype prefix = 0;
    while (prefix < text.size() && prefix < accepted_.size() && text[prefix] == accepted_[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < text.size() - prefix && suffix < accepted_.size() - prefix &&
           text[text.size() - 1 - suffix] == accepted_[accepted_.size() - 1 - suffix])
        ++suffix;
    const QString head = text.left(prefix);
    const QString tail = text.right(suffix);
    QString inserted = text.mid(prefix, text.size() - prefix - suffix);

    const QString refused = firstRefused(inserted);
    if (!refused.isEmpty()) {
        setText(accepted_);
        setCursorPosition(static_cast<int>(prefix));
        messages_.beep();
        messages_.information(this, refusedCharacterMessage(refused), window()->windowTitle());
        return;
    }
    const std::size_t limit = static_cast<std::size_t>(maxBytes_);
    if (bytesOf(text) > limit && bytesOf(text) > bytesOf(accepted_)) {
        // Keep as much of the entry as fits, whole characters only.
        while (!inserted.isEmpty() && bytesOf(head + inserted + tail) > limit) {
            inserted.chop(inserted.size() >= 2 && inserted.back().isLowSurrogate() ? 2 : 1);
        }
        QString kept = head + inserted + tail;
        if (bytesOf(kept) > limit && bytesOf(kept) > bytesOf(accepted_)) kept = accepted_;
        setText(kept);
        setCursorPosition(static_cast<int>(kept == accepted_ ? prefix : prefix + inserted.size()));
        messages_.beep();
    }
    accepted_ = this->text();
}

}  // namespace nuvra::app
