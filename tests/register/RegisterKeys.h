#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

// Fails the test on an editor the view was left to close, one closed twice, or a read-only cell
// asked for an editor.
inline void failOnStrayEditors()
{
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("called with an editor that does not belong to this view|^edit: editing failed")));
}

// How the keys arrive: one by one, each handled with all it sets off before the next, or in one burst,
// as keys typed ahead of a busy window come, nothing queued running before the last one has arrived.
enum class KeyPace { OneByOne, Burst };

// Keys as a keyboard sends them to an open popup or the focus widget: "<Ctrl+Return>" is one key, other
// text is typed, "<Menu>" opens the current cell's context menu and plays the rest into it.
inline void play(QAbstractItemView* table, const QString& script, KeyPace pace = KeyPace::OneByOne)
{
    static const QRegularExpression token(QStringLiteral("<([^>]+)>|[^<]"));
    for (auto tokens = token.globalMatch(script); tokens.hasNext();) {
        const QRegularExpressionMatch match = tokens.next();
        // The offscreen platform leaves a closed popup (a completion list shown while typing) active; a
        // desktop gives the window back, and the cell keeps the focus. A burst leaves the window active.
        if (pace == KeyPace::OneByOne && !QApplication::activePopupWidget()
            && QApplication::activeWindow() != table->window()) {
            table->window()->activateWindow();
            QCoreApplication::processEvents();
        }
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                          : QApplication::focusWidget()     ? QApplication::focusWidget()
                                                            : table;
        if (match.captured(1) == u"Menu") {
            QTimer::singleShot(0, table,
                               [table, pace, rest = script.mid(match.capturedEnd())] { play(table, rest, pace); });
            const QPoint pos = table->visualRect(table->currentIndex()).center();
            QContextMenuEvent event(QContextMenuEvent::Keyboard, pos, table->viewport()->mapToGlobal(pos));
            QApplication::sendEvent(table->viewport(), &event);
            return;
        }
        const QKeyCombination key = QKeySequence(match.captured(1))[0];
        if (match.captured(1).isEmpty()) {
            // Text beyond Latin-1 ("９９") arrives as a key without a key code, as from an input method.
            for (const QChar c : match.captured(0)) {
                if (c.unicode() < 0x100)
                    QTest::keyClick(target, c.toLatin1());
                else
                    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        } else
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        if (pace == KeyPace::OneByOne)
            QCoreApplication::processEvents();
    }
}

