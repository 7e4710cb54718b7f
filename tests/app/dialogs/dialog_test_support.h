// Driving the input dialogs as a user would: open modally, type into fields, leave them
// with Tab, press OK or Cancel.
#pragma once

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "app/input_dialog.h"
#include "app/widgets/numeric_field.h"
#include "app_test_support.h"

namespace nuvra::app::test {

/// Opens the dialog modally, runs `steps` once it is shown and active, and closes it
/// with Cancel if the steps left it open. Returns the dialog's result.
inline int runDialog(InputDialog& dialog, const std::function<void()>& steps) {
    whenModal([&dialog, steps](QWidget* w) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w)) qWarning("dialog did not become active");
        steps();
        if (dialog.isVisible()) dialog.reject();
    });
    return dialog.showModal();
}

template <class T>
T* child(QWidget& parent, const char* name) {
    T* w = parent.findChild<T*>(QString::fromUtf8(name));
    if (!w) qFatal("no child %s", name);
    return w;
}

inline NumericField* field(QWidget& dialog, const char* name) {
    return child<NumericField>(dialog, name);
}

/// Types the text one character at a time; characters beyond ASCII arrive as the input
/// method commits them, as key events that carry only their text.
inline void typeText(QWidget* w, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString ch(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size()) ch += text[++i];
        if (ch.size() == 1 && ch[0].unicode() < 0x80) {
            QTest::keyClick(w, ch[0].toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, ch);
            QApplication::sendEvent(w, &release);
        }
    }
}

/// Replaces the field's text by typing, as the user would.
inline void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

/// Leaves the focused field with Tab and lets the check that follows run.
inline void leave(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

/// Clicks an option button on its indicator (a stretched button takes clicks only on
/// its indicator and caption).
inline void clickOption(QWidget& dialog, const char* name) {
    QRadioButton* b = child<QRadioButton>(dialog, name);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
}

}  // namespace nuvra::app::test
