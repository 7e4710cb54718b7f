// TitleField: a one-line text field whose length is counted in bytes of code page 932,
// as the input file keeps the text. An entry that would make the text longer than the
// limit is cut to what fits (with a beep); a double quote, which the input file cannot
// hold, and characters that code page 932 cannot represent are refused with a message.
#pragma once

#include <QLineEdit>
#include <QString>

namespace nuvra::app {

class MessageService;

class TitleField : public QLineEdit {
    Q_OBJECT
  public:
    TitleField(MessageService& messages, int maxBytes, QWidget* parent = nullptr);

    /// Sets the text as stored, without checks (a stored text is shown as it is).
    void setStoredText(const QString& text);
    int maxBytes() const { return maxBytes_; }

    /// The message for a refused character.
    static QString refusedCharacterMessage(const QString& character);

  private:
    void onTextEdited(const QString& text);

    MessageService& messages_;
    int maxBytes_;
    QString accepted_;
};

}  // namespace nuvra::app
